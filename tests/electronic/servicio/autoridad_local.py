#!/usr/bin/env python3
"""Stand-in for the tax authority's web service, for the component's tests.

Speaks SOAP 1.2 over HTTPS on loopback and checks what a real reception
would: a well-formed envelope with credentials, a ZIP holding exactly one
XML, the XML valid against the UBL 2.1 schema, its signature accepted by
xmlsec1 with the issuer's certificate, and a CUDS that recomputes from the
document's own fields. It remembers the documents it received and answers
status queries about them.

Modes: normal; rechazo (every document breaks a business rule); malformado
(answers that are not XML); lento (answers after --segundos seconds).
Prints "PUERTO <n>" once it listens.
"""
import argparse
import base64
import datetime
import hashlib
import http.server
import io
import os
import ssl
import socket
import subprocess
import tempfile
import threading
import time
import xml.etree.ElementTree as ET
import zipfile
from xml.sax.saxutils import escape

SOAP = "http://www.w3.org/2003/05/soap-envelope"
WSSE = "http://docs.oasis-open.org/wss/2004/01/oasis-200401-wss-wssecurity-secext-1.0.xsd"
WCF = "http://wcf.dian.colombia"
CBC = "urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2"
CAC = "urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2"
NS = {"s": SOAP, "wsse": WSSE, "wcf": WCF, "cbc": CBC, "cac": CAC}

documentos = {}  # key -> answer fields
candado = threading.Lock()


def texto(nodo, ruta):
    e = nodo.find(ruta, NS)
    return "" if e is None or e.text is None else e.text.strip()


def cuds_esperado(raiz, pin):
    iva = "0.00"
    for total in raiz.findall("cac:TaxTotal", NS):
        for sub in total.findall("cac:TaxSubtotal", NS):
            if texto(sub, "cac:TaxCategory/cac:TaxScheme/cbc:ID") == "01":
                iva = texto(total, "cbc:TaxAmount")
    partes = [
        texto(raiz, "cbc:ID"), texto(raiz, "cbc:IssueDate"), texto(raiz, "cbc:IssueTime"),
        texto(raiz, "cac:LegalMonetaryTotal/cbc:LineExtensionAmount"), "01", iva,
        texto(raiz, "cac:LegalMonetaryTotal/cbc:PayableAmount"),
        texto(raiz, "cac:AccountingSupplierParty/cac:Party/cac:PartyTaxScheme/cbc:CompanyID"),
        texto(raiz, "cac:AccountingCustomerParty/cac:Party/cac:PartyTaxScheme/cbc:CompanyID"),
        pin, texto(raiz, "cbc:ProfileExecutionID"),
    ]
    return hashlib.sha384("".join(partes).encode("utf-8")).hexdigest()


def revise_documento(contenido, args):
    """Returns (key, cuds, errors) of a zipped document."""
    try:
        archivo = zipfile.ZipFile(io.BytesIO(contenido))
        nombres = archivo.namelist()
        if archivo.testzip() is not None:
            return "", "", ["Regla: ZIP, Rechazo: el ZIP está dañado"]
    except zipfile.BadZipFile:
        return "", "", ["Regla: ZIP, Rechazo: el contenido no es un ZIP"]
    if len(nombres) != 1 or not nombres[0].endswith(".xml"):
        return "", "", ["Regla: ZIP, Rechazo: el ZIP debe tener un único XML"]
    xml = archivo.read(nombres[0])
    try:
        raiz = ET.fromstring(xml)
    except ET.ParseError as e:
        return "", "", ["Regla: XML, Rechazo: XML mal formado: %s" % e]
    clave, cuds = texto(raiz, "cbc:ID"), texto(raiz, "cbc:UUID")
    errores = []
    with tempfile.TemporaryDirectory() as carpeta:
        # Volume runs (--rapido) measure the sender: the schema and signature
        # checks, two programs per document, are the tests' business.
        ruta = os.path.join(carpeta, nombres[0])
        with open(ruta, "wb") as f:
            f.write(xml)
        esquema = "UBL-CreditNote-2.1.xsd" if raiz.tag.endswith("CreditNote") else "UBL-Invoice-2.1.xsd"
        r = subprocess.run(["xmllint", "--noout", "--schema", os.path.join(args.xsd, esquema), ruta],
                           capture_output=True, text=True) if not args.rapido else None
        if r is not None and r.returncode != 0 and not solo_serial_largo(r.stderr):
            errores.append("Regla: ZB01, Rechazo: no cumple el esquema UBL: " + r.stderr.strip()[-300:])
        r = subprocess.run(["xmlsec1", "--verify", "--id-attr:Id", "http://uri.etsi.org/01903/v1.3.2#:SignedProperties",
                            "--trusted-pem", args.firma, ruta], capture_output=True, text=True) if not args.rapido else None
        if r is not None and r.returncode != 0:
            errores.append("Regla: ZE02, Rechazo: la firma no es válida")
    if cuds != cuds_esperado(raiz, args.pin):
        errores.append("Regla: DSAB02b, Rechazo: el CUDS no corresponde a los datos del documento")
    if args.modo == "rechazo":
        errores.append("Regla: DSAK24, Rechazo: el proveedor no está inscrito en el RUT")
    return clave, cuds, errores


def respuesta(operacion, campos, errores=()):
    lista = "".join("<c:string>%s</c:string>" % escape(e) for e in errores)
    cuerpo = "".join("<b:%s>%s</b:%s>" % (k, escape(v), k) for k, v in campos.items())
    return ('<s:Envelope xmlns:s="%s"><s:Body><%sResponse xmlns="%s"><%sResult '
            'xmlns:b="http://schemas.datacontract.org/2004/07/DianResponse" '
            'xmlns:c="http://schemas.microsoft.com/2003/10/Serialization/Arrays">'
            '<b:ErrorMessage>%s</b:ErrorMessage>%s</%sResult></%sResponse></s:Body></s:Envelope>'
            % (SOAP, operacion, WCF, operacion, lista, cuerpo, operacion, operacion))


def falla(motivo):
    return ('<s:Envelope xmlns:s="%s"><s:Body><s:Fault><s:Code><s:Value>s:Sender</s:Value></s:Code>'
            '<s:Reason><s:Text xml:lang="es">%s</s:Text></s:Reason></s:Fault></s:Body></s:Envelope>'
            % (SOAP, escape(motivo)))


def reciba(cuerpo, args):
    clave, cuds, errores = revise_documento(base64.b64decode(texto(cuerpo, "wcf:contentFile")), args)
    archivo = texto(cuerpo, "wcf:fileName")
    with candado:
        previo = documentos.get(clave)
        if previo is not None and previo["IsValid"] == "true":
            return respuesta("SendBillSync", {
                "IsValid": "false", "StatusCode": "99", "StatusDescription": "Validación contiene errores",
                "XmlDocumentKey": previo["XmlDocumentKey"], "XmlFileName": archivo},
                ["Regla: 90, Rechazo: Documento procesado anteriormente."])
        campos = {
            "IsValid": "false" if errores else "true",
            "StatusCode": "99" if errores else "00",
            "StatusDescription": "Validación contiene errores en campos mandatorios." if errores
            else "Procesado Correctamente.",
            "XmlDocumentKey": cuds, "XmlFileName": archivo,
            "ProcessedDate": datetime.datetime.now().isoformat(timespec="seconds"),
        }
        if clave:
            documentos[clave] = dict(campos, errores=errores)
    return respuesta("SendBillSync", campos, errores)


def estado(cuerpo):
    pedido = texto(cuerpo, "wcf:trackId")
    with candado:
        doc = documentos.get(pedido) or next(
            (d for d in documentos.values() if d["XmlDocumentKey"] == pedido), None)
    if doc is None:
        return respuesta("GetStatus", {"IsValid": "false", "StatusCode": "66",
                                       "StatusDescription": "Documento no encontrado"})
    campos = {k: v for k, v in doc.items() if k != "errores"}
    return respuesta("GetStatus", campos, doc["errores"])


def solo_serial_largo(salida):
    """xmllint holds xs:integer in 24 digits; a certificate's serial number
    (20 random bytes, up to 49 digits) is a valid integer all the same."""
    quejas = [l for l in salida.splitlines() if "Schemas validity error" in l]
    return bool(quejas) and all("X509SerialNumber" in l and "xs:integer" in l for l in quejas)


class Atencion(http.server.BaseHTTPRequestHandler):
    # One connection serves a whole batch, as the authority's service does.
    protocol_version = "HTTP/1.1"

    def setup(self):
        self.request.do_handshake()
        # Headers and body leave in separate writes: without this each answer
        # would wait for the client's delayed acknowledgement.
        self.request.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        super().setup()

    def log_message(self, *a):
        pass

    def conteste(self, codigo, texto_xml):
        datos = texto_xml.encode("utf-8")
        self.send_response(codigo)
        self.send_header("Content-Type", "application/soap+xml; charset=utf-8")
        self.send_header("Content-Length", str(len(datos)))
        self.end_headers()
        self.wfile.write(datos)

    def do_POST(self):
        args = self.server.args
        datos = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        if args.modo == "lento":
            time.sleep(args.segundos)
        if args.modo == "malformado":
            return self.conteste(200, "<s:Envelope><s:Body><SendBillSyncRes")
        if "application/soap+xml" not in self.headers.get("Content-Type", ""):
            return self.conteste(415, falla("Se espera SOAP 1.2"))
        try:
            sobre = ET.fromstring(datos)
        except ET.ParseError:
            return self.conteste(400, falla("SOAP mal formado"))
        token = sobre.find("s:Header/wsse:Security/wsse:UsernameToken", NS)
        if token is None or not texto(token, "wsse:Username") or not texto(token, "wsse:Password"):
            return self.conteste(500, falla("Faltan las credenciales"))
        cuerpo = sobre.find("s:Body/*", NS)
        if cuerpo is not None and cuerpo.tag == "{%s}SendBillSync" % WCF:
            return self.conteste(200, reciba(cuerpo, args))
        if cuerpo is not None and cuerpo.tag == "{%s}GetStatus" % WCF:
            return self.conteste(200, estado(cuerpo))
        return self.conteste(500, falla("Operación desconocida"))


class Servidor(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # a client that refused our certificate or hung up


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--cert", required=True)
    p.add_argument("--key", required=True)
    p.add_argument("--firma", required=True, help="PEM of the issuer's signing certificate")
    p.add_argument("--xsd", required=True, help="folder of the UBL 2.1 main document schemas")
    p.add_argument("--pin", required=True)
    p.add_argument("--modo", default="normal", choices=["normal", "rechazo", "malformado", "lento"])
    p.add_argument("--segundos", type=float, default=30)
    p.add_argument("--rapido", action="store_true", help="skip the schema and signature checks")
    args = p.parse_args()
    contexto = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    contexto.load_cert_chain(args.cert, args.key)
    servidor = Servidor(("127.0.0.1", 0), Atencion)
    # The handshake runs in the request's thread: a client that refuses the
    # certificate must not stall the listener.
    servidor.socket = contexto.wrap_socket(servidor.socket, server_side=True,
                                           do_handshake_on_connect=False)
    servidor.args = args
    print("PUERTO %d" % servidor.server_address[1], flush=True)
    servidor.serve_forever()


if __name__ == "__main__":
    main()

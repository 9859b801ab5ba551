#!/usr/bin/python3
"""SMTP server for the e-mail tests, on 127.0.0.1 and a free port.

Prints "PUERTO <n>" once listening. With --cert/--key it offers STARTTLS and
refuses mail before it; with --usuario/--clave it asks for AUTH (PLAIN or
LOGIN) and refuses any other password. Every message it accepts is written
to --carpeta as <n>.eml (as received), <n>.json (envelope, decoded headers
and body, whether it came over TLS and signed in) and <n>.pdf (the first PDF
attached), parsed by Python's own mail reader. With --corte it drops the
connection when the message arrives.
"""
import argparse
import asyncio
import email
import email.policy
import json
import os
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


class Buzon:
    def __init__(self, carpeta, corte):
        self.carpeta = carpeta
        self.corte = corte
        self.n = 0

    async def handle_DATA(self, server, session, envelope):
        if self.corte:
            # The connection drops in the middle of the dialogue.
            server.transport.abort()
            return "421 closing"
        self.n += 1
        base = os.path.join(self.carpeta, str(self.n))
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content or envelope.content)
        m = email.message_from_bytes(envelope.original_content or envelope.content,
                                     policy=email.policy.default)
        cuerpo = m.get_body(preferencelist=("plain",))
        adjuntos = [p for p in m.iter_attachments()]
        if adjuntos:
            with open(base + ".pdf", "wb") as f:
                f.write(adjuntos[0].get_payload(decode=True))
        datos = {
            "de": envelope.mail_from,
            "rcpt": envelope.rcpt_tos,
            "from": str(m["From"]),
            "to": str(m["To"] or ""),
            "cc": str(m["Cc"] or ""),
            "subject": str(m["Subject"]),
            "date": str(m["Date"]),
            "message_id": str(m["Message-ID"]),
            # The text exactly as decoded, CRLFs included.
            "cuerpo": cuerpo.get_payload(decode=True).decode("utf-8") if cuerpo else None,
            "adjunto": adjuntos[0].get_filename() if adjuntos else None,
            "tipo_adjunto": adjuntos[0].get_content_type() if adjuntos else None,
            "tls": session.ssl is not None,
            "autenticado": bool(session.authenticated),
        }
        with open(base + ".json.tmp", "w", encoding="utf-8") as f:
            json.dump(datos, f, ensure_ascii=False)
        os.replace(base + ".json.tmp", base + ".json")
        return "250 OK"


def main():
    a = argparse.ArgumentParser()
    a.add_argument("--carpeta", required=True)
    a.add_argument("--cert")
    a.add_argument("--key")
    a.add_argument("--usuario")
    a.add_argument("--clave")
    a.add_argument("--corte", action="store_true", help="drop the connection at DATA")
    o = a.parse_args()

    contexto = None
    if o.cert:
        contexto = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        contexto.load_cert_chain(o.cert, o.key)

    def autentique(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword)
              and auth_data.login == o.usuario.encode()
              and auth_data.password == o.clave.encode())
        # Not handled: the server itself answers 235 or 535.
        return AuthResult(success=ok, handled=False)

    buzon = Buzon(o.carpeta, o.corte)

    def sesion():
        return SMTP(buzon, hostname="prueba.local", tls_context=contexto,
                    require_starttls=contexto is not None,
                    authenticator=autentique if o.usuario else None,
                    auth_required=bool(o.usuario), auth_require_tls=contexto is not None)

    async def arranque():
        servidor = await asyncio.get_running_loop().create_server(sesion, "127.0.0.1", 0)
        print(f"PUERTO {servidor.sockets[0].getsockname()[1]}", flush=True)
        await servidor.serve_forever()

    asyncio.run(arranque())


if __name__ == "__main__":
    sys.exit(main())

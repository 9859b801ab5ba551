#include "core/notas/notas_documento.h"

#include "core/data/conjunto.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// Latin-1 is all the database holds; line breaks and tabs are part of a note.
bool almacenable(const QString& texto) {
    for (const QChar c : texto) {
        if (c.unicode() > 0xFF)
            return false;
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t') &&
            c != QLatin1Char('\r'))
            return false;
    }
    return true;
}

}  // namespace

NotasDocumento::NotasDocumento(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CNotas = conjunto(this, dm.Ledgrix(), S("Notas"), {});
    dm.ConfigurarProviders(this);
}

bool NotasDocumento::cargue(int tipo, qint64 id) {
    tipo_ = tipo;
    id_ = id;
    CNotas->close();
    CNotas->setCommandText(
        S("select NODO_FECHA, NODO_HORA, NODO_USUARIO, NODO_TEXTO from NOTAS_DOCUMENTO where "
          "TIDO_COD = ") +
        sql::number(tipo) + S(" and NODO_IDDOC = ") + sql::number(id) + S(" order by NODO_ITEM"));
    if (!CNotas->open())
        return false;
    CNotas->fetchAll();
    return true;
}

bool NotasDocumento::agregue(const QString& texto) {
    const QString nota = texto.trimmed();
    if (id_ <= 0) {
        dm_.dialogs().error(S("No Existe un Documento a Consultar"));
        return false;
    }
    if (nota.isEmpty()) {
        dm_.dialogs().error(S("Escriba el texto de la nota antes de grabarla."));
        return false;
    }
    if (nota.size() > kLargo) {
        dm_.dialogs().error(S("La nota tiene %1 caracteres y admite hasta %2; acórtela.")
                                .arg(nota.size())
                                .arg(kLargo));
        return false;
    }
    if (!almacenable(nota)) {
        dm_.dialogs().error(
            S("La nota tiene caracteres que no se pueden guardar; reemplácelos e intente de "
              "nuevo."));
        return false;
    }
    if (!dm_.sql().execute(S("insert into NOTAS_DOCUMENTO (TIDO_COD, NODO_IDDOC, NODO_TEXTO) "
                             "values (") +
                           sql::number(tipo_) + S(", ") + sql::number(id_) + S(", ") +
                           sql::quoted(nota) + S(")")))
        return false;
    cargue(tipo_, id_);
    return true;
}

}  // namespace ledgrix

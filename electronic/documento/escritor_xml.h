#pragma once

// The UBL writer's pen: qualified names under the prefixes the root
// declares, and every text and attribute value passed through `limpio`, so
// user text can never make the document invalid.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QXmlStreamWriter>

namespace ledgrix::electronico {

// The text with every character XML 1.0 cannot carry (control characters
// other than tab and line breaks, lone surrogates, U+FFFE/U+FFFF) turned into
// a blank; markup characters are escaped by the writer.
QString limpio(const QString& texto);

class EscritorXml {
  public:
    using Atributos = QList<QPair<QString, QString>>;

    // Root element `raiz` (Invoice or CreditNote) with the UBL, extension,
    // authority and signature namespaces declared.
    explicit EscritorXml(const QString& raiz);

    void abra(const QString& nombre);
    void cierre();
    void texto(const QString& nombre, const QString& valor, const Atributos& atributos = {});
    void vacio(const QString& nombre);
    QByteArray termine();

  private:
    QByteArray salida_;
    QXmlStreamWriter w_;
};

}  // namespace ledgrix::electronico

#pragma once

#include <QString>

namespace ledgrix {

// The name of a natural person as the tax authority's forms read it: first
// surname, second surname, first name, second name, one blank between each,
// an empty part included, so that every name splits back into its four parts
// by position.
QString componga_nombre(const QString& apellido1, const QString& apellido2, const QString& nombre1,
                        const QString& nombre2);

}  // namespace ledgrix

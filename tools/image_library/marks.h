// The empty-pile marks: a quiet outline of the missing card with the symbol of
// what may go there, on a transparent ground so that any background shows through.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace tablerun::images {

// Resource suffixes after "W<size>": "001" .. "022", "_WASTE", "_TABLEAU".
const std::vector<QString>& fnMarkSuffixes();
QImage fnMark(const QString& suffix, QSize size);

}  // namespace tablerun::images

#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace settings
{

// Single-key changes to the text of a settings file. Every line the change does
// not touch stays byte for byte; names are given as ini::lookupName makes them,
// values on one line (ini::firstLine).
namespace ini
{

// The text with the key holding the value: the first occurrence rewritten in
// place, else a new line after the last line of the section's content, else
// the section appended at the end.
QByteArray withValue(QByteArrayView text, QByteArrayView section, QByteArrayView key,
                     QByteArrayView value);

// The text without the line of the key's first occurrence; nothing when the
// section does not hold the key.
std::optional<QByteArray> withoutKey(QByteArrayView text, QByteArrayView section,
                                     QByteArrayView key);

} // namespace ini

} // namespace settings

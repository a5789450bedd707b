#pragma once

// The named colour of the colour table that looks most like a given colour.

#include <QRgb>
#include <QString>

#include <optional>
#include <span>

struct NearestName
{
    int entry = 0;        // table entry number, counted from 1
    double difference = 0; // CIEDE2000 colour difference to that entry
};

// Searches entries 1 to names.size() (names and codes run side by side). An entry takes part
// when its code is six hexadecimal digits and its name, without the web keyword star, is not
// empty. Of entries at the same difference the lowest-numbered wins. Nothing when none takes
// part.
std::optional<NearestName> nearestNamedColour(QRgb colour, std::span<const QString> names,
                                              std::span<const QString> codes);

// What the near-name command says for a found entry: the name alone for a practically exact
// match, else "桜色（さくらいろ）に近い色　色差3.2".
QString nearestNameAnnouncement(const QString &name, double difference);

// What it says when the table names no colour.
QString noNamedColourAnnouncement();

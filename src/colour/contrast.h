#pragma once

// Contrast between two colours as the Web Content Accessibility Guidelines (WCAG 2) measure it.

#include <QRgb>
#include <QString>

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relativeLuminance(QRgb colour);

// The contrast ratio of two colours in either order, 1 (equal) to 21 (black and white).
double contrastRatio(QRgb first, QRgb second);

// What the contrast command says: "背景とのコントラスト比4.4対1　大きな文字のみAA適合".
// The ratio is cut, not rounded, to one decimal, so a ratio just short of a level never reads
// as that level; the level itself is judged on the full ratio.
QString contrastAnnouncement(double ratio);

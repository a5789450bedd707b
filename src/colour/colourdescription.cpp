// How a colour is described: from its CIELAB lightness L*, chroma C* and hue angle h.
//
// Where the boundaries come from. JIS Z 8102 names a colour by a tone word (lightness and
// chroma), an optional hue modifier and a basic hue, and draws its regions on the Munsell
// system, not on CIELAB. The tables below were fitted by hand to some eighty JIS customary
// colours, taking their sRGB values from the same list as data/sources/jis-customary.tsv and
// their systematic names from JIS (桜色 ごくうすい紫みの赤, 群青色 こい紫みの青, ...), under
// the constraint that well-known screen colours read as people call them: ff0000 あざやかな赤,
// 0000ff あざやかな青, 808080 中位の灰色, navy a very dark blue, pink a pale red. About seven
// in ten of those JIS colours come out as JIS names them; where the two wishes disagree the
// screen colours won (see the hue table); the rest mostly miss by one neighbouring tone.
//
// The three steps:
// 1. Near-neutral: C* below neutralChroma reads as white, grey or black by L*, with a hue
//    modifier once any tint can be heard.
// 2. Very dark: L* below veryDarkLightness reads ごく暗い and the basic hue; at that depth the
//    eye tells the hue but hardly its lean, so no hue modifier.
// 3. Otherwise a tone from a grid: columns by chroma relative to the chroma of a typical vivid
//    surface colour of that hue, rows by lightness relative to a reference that lies between
//    mid-grey and that colour's lightness (a yellow is light and a blue dark even at their
//    strongest, so a middle-lightness yellow already looks darkened).

#include "colour/colourdescription.h"

#include "colour/cielab.h"

#include <array>
#include <cmath>
#include <iterator>

namespace {

// ---- Near-neutral colours.

constexpr double neutralChroma = 10.5;
// From this chroma on a near-neutral colour carries a hue modifier.
constexpr double tintChroma = 1.5;

struct NeutralName
{
    double minimumLightness;
    const char *name;
};
// L* is about ten times the Munsell value: 銀鼠 (N6.5) is 明るい灰色, 鼠色 (N5.5) 中位の灰色,
// 墨 (N2) already 黒.
constexpr NeutralName neutralNames[] = {
    {92, "白"}, {62, "明るい灰色"}, {42, "中位の灰色"}, {23, "暗い灰色"}, {0, "黒"},
};

// The tint of a near-neutral colour: the five principal hues, each over the hue angles from
// its start up to the next one's.
struct Tint
{
    double fromAngle;
    const char *modifier;
};
constexpr Tint tints[] = {
    {55, "黄みの"}, {125, "緑みの"}, {200, "青みの"}, {300, "紫みの"}, {345, "赤みの"},
};

// ---- Hue: twenty sectors of the hue angle, each from its start up to the next one's. The
// five principal hues (赤 黄 緑 青 紫) get a modifier towards each neighbour; the five
// intermediate hues are leaning already and get none.
//
// Two boundaries are set by screen colours against JIS: sRGB red (40.9) must read 赤 though
// JIS calls 朱色 (31) 黄みの赤, and sRGB blue (301.4) must read 青 though JIS calls 群青色
// (287) 紫みの青 and 菫色 (301) 青紫. A darker shade of a colour (all channels scaled down)
// keeps its hue angle, so fixed angles keep the hue name steady from 0000ff down to navy.
struct HueSector
{
    double fromAngle;
    const char *modifier;
    const char *basicHue;
};
constexpr HueSector hueSectors[] = {
    {3.0, "", "赤"},
    {41.5, "黄みの", "赤"},
    {46.0, "", "黄赤"},
    {66.0, "赤みの", "黄"},
    {78.0, "", "黄"},
    {100.5, "緑みの", "黄"},
    {102.5, "", "黄緑"},
    {128.0, "黄みの", "緑"},
    {133.0, "", "緑"},
    {166.0, "青みの", "緑"},
    {182.0, "", "青緑"},
    {215.0, "緑みの", "青"},
    {251.0, "", "青"},
    {302.0, "紫みの", "青"},
    {306.0, "", "青紫"},
    {312.0, "青みの", "紫"},
    {314.0, "", "紫"},
    {319.0, "赤みの", "紫"},
    {323.0, "", "赤紫"},
    {340.0, "紫みの", "赤"},
};

// ---- Tone.

constexpr double veryDarkLightness = 23;

// A typical vivid surface colour at each of the ten Munsell principal hues, and at 1R where red
// meets red-purple, as CIELAB chroma and lightness, read off the JIS customary colours of those
// hues (Munsell chroma 10 to 14).
// Values between two hues are interpolated along the hue angle.
struct VividColour
{
    double hueAngle;
    double chroma;
    double lightness;
};
constexpr VividColour vividColours[] = {
    {4, 60, 50},   {24, 67, 48},  {59, 78, 65},  {82, 78, 82},  {113, 65, 70}, {160, 52, 58},
    {200, 40, 55}, {245, 38, 52}, {280, 48, 40}, {310, 56, 45}, {335, 57, 50},
};

// How far the lightness scale follows the vivid colour's lightness away from mid-grey.
constexpr double lightnessFollowsHue = 0.4;

// Row edges: lightness above the hue's reference lightness,
// 50 + lightnessFollowsHue * (vivid colour's lightness - 50).
constexpr std::array<double, 3> lightnessEdges = {20, 8, -10};
// Column edges: chroma as a share of the vivid colour's chroma.
constexpr std::array<double, 5> chromaEdges = {0.32, 0.65, 0.84, 1.05, 1.6};

// Rows: very light, light, middle, dark. Columns: greyish, moderate, strong, vivid, and two
// beyond any surface colour, which only screens show (a dark one of those is still こい, the
// darkest screen primary, 0000ff, is not).
constexpr const char *toneGrid[4][6] = {
    {"ごくうすい", "うすい", "明るい", "明るい", "あざやかな", "あざやかな"},
    {"明るい灰みの", "やわらかい", "明るい", "あざやかな", "あざやかな", "あざやかな"},
    {"灰みの", "くすんだ", "つよい", "あざやかな", "あざやかな", "あざやかな"},
    {"暗い灰みの", "暗い", "こい", "こい", "こい", "あざやかな"},
};

// The last entry whose start the angle has reached; angles before the first start belong to
// the last entry, which runs round through 360.
template<typename Entry, std::size_t N>
const Entry &sectorOf(const Entry (&table)[N], double angle)
{
    const Entry *found = &table[N - 1];
    for (const Entry &entry : table) {
        if (angle >= entry.fromAngle)
            found = &entry;
    }
    return *found;
}

VividColour vividColourAt(double hueAngle)
{
    const std::size_t count = std::size(vividColours);
    for (std::size_t i = 0; i < count; ++i) {
        const VividColour &from = vividColours[i];
        const VividColour &to = vividColours[(i + 1) % count];
        const double span = std::fmod(to.hueAngle - from.hueAngle + 360, 360);
        const double along = std::fmod(hueAngle - from.hueAngle + 360, 360);
        if (along < span) {
            const double t = along / span;
            return {hueAngle, from.chroma + t * (to.chroma - from.chroma),
                    from.lightness + t * (to.lightness - from.lightness)};
        }
    }
    return vividColours[0];
}

template<std::size_t N>
int bandOf(const std::array<double, N> &edges, double value, bool descending)
{
    int band = 0;
    while (band < int(N) && (descending ? value < edges[band] : value >= edges[band]))
        ++band;
    return band;
}

QString neutralDescription(double lightness, double chroma, double hueAngle)
{
    QString name;
    for (const NeutralName &candidate : neutralNames) {
        if (lightness >= candidate.minimumLightness) {
            name = QString::fromUtf8(candidate.name);
            break;
        }
    }
    if (chroma >= tintChroma)
        name.prepend(QString::fromUtf8(sectorOf(tints, hueAngle).modifier));
    return name;
}

} // namespace

QString describeColour(QRgb colour)
{
    const Lab lab = labOf(colour);
    const double chroma = chromaOf(lab);
    const double hueAngle = hueAngleOf(lab);
    if (chroma < neutralChroma)
        return neutralDescription(lab.L, chroma, hueAngle);

    const HueSector &hue = sectorOf(hueSectors, hueAngle);
    const QString basicHue = QString::fromUtf8(hue.basicHue);
    if (lab.L < veryDarkLightness)
        return QStringLiteral("ごく暗い") + basicHue;

    const VividColour vivid = vividColourAt(hueAngle);
    const double referenceLightness = 50 + lightnessFollowsHue * (vivid.lightness - 50);
    const int row = bandOf(lightnessEdges, lab.L - referenceLightness, true);
    const int column = bandOf(chromaEdges, chroma / vivid.chroma, false);
    return QString::fromUtf8(toneGrid[row][column]) + QString::fromUtf8(hue.modifier) + basicHue;
}

#include "colour/cielab.h"

#include <lcms2.h>

#include <QtGlobal>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// The sRGB to CIELAB transform, built on first use and kept for the life of the program.
class SrgbToLab
{
public:
    SrgbToLab()
    {
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        cmsHPROFILE lab = cmsCreateLab4Profile(nullptr); // D50
        // No cache: the transform may be used from any thread. No optimisation: Little CMS
        // would otherwise be free to approximate the curves for 8-bit input.
        transform = cmsCreateTransform(srgb, TYPE_RGB_8, lab, TYPE_Lab_DBL,
                                       INTENT_RELATIVE_COLORIMETRIC,
                                       cmsFLAGS_NOCACHE | cmsFLAGS_NOOPTIMIZE);
        cmsCloseProfile(srgb);
        cmsCloseProfile(lab);
        if (!transform)
            qFatal("Little CMS could not build the sRGB to CIELAB transform");
    }
    ~SrgbToLab() { cmsDeleteTransform(transform); }
    SrgbToLab(const SrgbToLab &) = delete;
    SrgbToLab &operator=(const SrgbToLab &) = delete;

    void convert(const unsigned char *rgb, cmsCIELab *lab, int count) const
    {
        cmsDoTransform(transform, rgb, lab, cmsUInt32Number(count));
    }

private:
    cmsHTRANSFORM transform = nullptr;
};

const SrgbToLab &srgbToLab()
{
    static const SrgbToLab instance;
    return instance;
}

cmsCIELab toCms(const Lab &lab)
{
    return {lab.L, lab.a, lab.b};
}

} // namespace

Lab labOf(QRgb colour)
{
    Lab lab;
    labsOf({&colour, 1}, {&lab, 1});
    return lab;
}

void labsOf(std::span<const QRgb> colours, std::span<Lab> labs)
{
    Q_ASSERT(labs.size() == colours.size());
    std::vector<unsigned char> rgb;
    rgb.reserve(colours.size() * 3);
    for (const QRgb colour : colours) {
        rgb.push_back(uchar(qRed(colour)));
        rgb.push_back(uchar(qGreen(colour)));
        rgb.push_back(uchar(qBlue(colour)));
    }
    std::vector<cmsCIELab> converted(colours.size());
    srgbToLab().convert(rgb.data(), converted.data(), int(colours.size()));
    for (std::size_t i = 0; i < colours.size(); ++i)
        labs[i] = {converted[i].L, converted[i].a, converted[i].b};
}

double colourDifference(const Lab &first, const Lab &second)
{
    const cmsCIELab one = toCms(first);
    const cmsCIELab two = toCms(second);
    return cmsCIE2000DeltaE(&one, &two, 1.0, 1.0, 1.0);
}

double chromaOf(const Lab &lab)
{
    return std::hypot(lab.a, lab.b);
}

double hueAngleOf(const Lab &lab)
{
    if (lab.a == 0 && lab.b == 0)
        return 0;
    const double degrees = std::atan2(lab.b, lab.a) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

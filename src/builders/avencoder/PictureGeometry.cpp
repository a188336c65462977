#include "builders/avencoder/PictureGeometry.h"

#include "core/util/DNAspect.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <QSizeF>

#include <algorithm>
#include <cmath>

namespace {

QString sizeText(QSizeF size)
{
    return QStringLiteral("{%1, %2}").arg(size.width()).arg(size.height());
}

// The largest size within whole that an encoder of 4:2:0 pictures takes.
int largestMultipleOf4Within(int whole)
{
    return whole >= 4 ? whole - whole % 4 : whole - whole % 2;
}

// One side of a crop window, raised to a multiple of 4, may reach past the picture's edge; it is
// kept inside: shrunk to what fits, then moved back in.
void keepInside(int &size, int &offset, int whole)
{
    if (size > whole)
        size = largestMultipleOf4Within(whole);
    offset = std::clamp(offset, 0, std::max(0, whole - size));
}

// The editor's preview mirrors the picture left to right as it stands after the turn, so the
// mirror follows a quarter turn here too: put before it, it would flip the turned picture top
// to bottom. A half turn folds the mirror in (a half turn and a mirror is a vertical flip).
QString orientationPiece(int rotation, bool mirror)
{
    const int quarters = rotation >= 1 && rotation <= 359 ? rotation / 90 : 0;
    const QString flip = mirror ? QStringLiteral("hflip,") : QString();
    switch (quarters) {
    case 1: return QStringLiteral("transpose=dir=1,") + flip;
    case 2: return mirror ? QStringLiteral("vflip,") : QStringLiteral("vflip,hflip,");
    case 3: return QStringLiteral("transpose=dir=2,") + flip;
    default: return flip;
    }
}

bool turnsAQuarter(int rotation)
{
    return rotation >= 1 && rotation <= 359 && (rotation / 90) % 2 == 1;
}

QSize raised(QSize size)
{
    return QSize(raiseToMultipleOf4(size.width()), raiseToMultipleOf4(size.height()));
}

// Padded out, the picture is no size the encoder is handed (the frame is): it is scaled to the
// nearest even sizes, which the pad copies whole in 4:2:0 (raised to multiples of 4, a narrow
// picture in a small frame would be drawn several per cent too wide: 84 columns for 81).
QSize nearestEven(QSize size)
{
    const auto even = [](int value) { return std::max(2, int(std::lround(value / 2.0)) * 2); };
    return QSize(even(size.width()), even(size.height()));
}

QString scalePiece(QSize size)
{
    return QStringLiteral("scale=%1:%2,").arg(size.width()).arg(size.height());
}

// Two shapes this close are one: the readings of an aspect wander by a hair (a DVD's 16:9
// flag on 720 pixels, a probe's rounded pixel aspect).
constexpr double kSameRatio = 0.01;

bool isSquare(double pixelAspect)
{
    return std::abs(pixelAspect - 1.0) < kSameRatio;
}

double validAspect(double aspect)
{
    return aspect > 0 && std::isfinite(aspect) ? aspect : 1.0;
}

// The crop piece and the size it leaves; the source size when nothing is cropped.
QSize cropWindow(const PictureEdits &edits, PictureGeometry &geometry)
{
    const QSize source = edits.sourceSize;
    if (!edits.crop)
        return source;
    const DNRelativeRect &r = edits.cropRect;
    const double w = source.width(), h = source.height();
    int cw = raiseToMultipleOf4(int(std::trunc(double(r.width) * w)));
    int ch = raiseToMultipleOf4(int(std::trunc(double(r.height) * h)));
    int cx = raiseToMultipleOf4(int(std::trunc(double(r.x) * w)));
    int cy = raiseToMultipleOf4(int(std::trunc(h - double(r.y) * h - double(r.height) * h)));
    keepInside(cw, cx, source.width());
    keepInside(ch, cy, source.height());
    if (cw <= 0 || ch <= 0) {
        geometry.logLines << QStringLiteral("The crop rectangle holds no picture; the whole picture is kept.");
        return source;
    }
    geometry.cropPiece = QStringLiteral("crop=%1:%2:%3:%4,").arg(cw).arg(ch).arg(cx).arg(cy);
    return QSize(cw, ch);
}

} // namespace

int raiseToMultipleOf4(int value)
{
    return value % 4 == 0 ? value : value / 4 * 4 + 4;
}

double shownPictureRatio(const PictureEdits &edits)
{
    PictureGeometry scratch;
    const QSize working = cropWindow(edits, scratch);
    if (working.width() <= 0 || working.height() <= 0)
        return 0.0;
    const double ratio = working.width() * validAspect(edits.sourcePixelAspect) / working.height();
    return turnsAQuarter(edits.rotation) ? 1.0 / ratio : ratio;
}

PictureGeometry pictureGeometry(const PictureEdits &edits)
{
    PictureGeometry geometry;
    const QSize working = cropWindow(edits, geometry);
    geometry.orientationPiece = orientationPiece(edits.rotation, edits.mirror);
    const bool quarter = turnsAQuarter(edits.rotation);
    const auto turned = [quarter](auto size) { return quarter ? size.transposed() : size; };
    const double sourceAspect = validAspect(edits.sourcePixelAspect);
    // The picture as shown, still unturned: the scale works on it before the orientation piece.
    const QSizeF shown(working.width() * sourceAspect, working.height());
    // The display aspect the output is flagged with describes the frame when the picture is
    // padded out to it; else it describes the picture, and one that is not the picture's own
    // shape needs a frame of that shape to pad the picture into. A flag the output cannot show
    // asks nothing.
    const bool hasFlag = !edits.squarePixels && edits.frameAspect > 0;
    const bool ownShape = hasFlag && std::abs(edits.frameAspect / shownPictureRatio(edits) - 1.0) < kSameRatio;
    const bool padded = edits.expandToFrame || (hasFlag && !ownShape);
    const bool flaggedFrame = hasFlag && (edits.expandToFrame || !ownShape);

    QSizeF target;
    if (IsKeepOriginResolution(edits.resolution)) {
        if ((!hasFlag || ownShape) && (!edits.squarePixels || isSquare(sourceAspect))) {
            QSize output = working;
            if (working.width() % 4 != 0 || working.height() % 4 != 0) {
                output = raised(working);
                geometry.scalePiece = scalePiece(output);
                geometry.logLines << QStringLiteral("Fore Size Divided by 4: %1").arg(sizeText(output));
            }
            geometry.outputSize = turned(output);
            return geometry;
        }
        if (!hasFlag) {
            // Square pixels for an output that shows no others: the shown width in pixels.
            const QSize square = raised(QSize(int(std::lround(shown.width())), working.height()));
            geometry.scalePiece = scalePiece(square);
            geometry.logLines << QStringLiteral("videoSize: %1, square pixels: %2").arg(sizeText(working), sizeText(square));
            geometry.outputSize = turned(square);
            return geometry;
        }
        // The picture's own frame, flagged with another shape.
        target = turned(QSizeF(raised(working)));
    } else {
        target = ResolutionSizeFromString(edits.resolution, working);
        if (target.width() < 1 || target.height() < 1)
            target = working;  // a frame of no size: keep the picture's
    }

    const QSize frame = raised(QSize(int(target.width()), int(target.height())));
    // How much wider than tall the frame's pixels are shown: as its flag makes them, else square.
    const double pixelAspect = flaggedFrame ? edits.frameAspect * frame.height() / frame.width() : 1.0;
    // The frame filled by the picture as it leaves the orientation piece, both as shown; the
    // width is then taken back to the frame's pixels.
    const QSizeF picture = turned(shown);
    const QSize shownFit = DNAspectFitSize(picture.width(), picture.height(), target.width() * pixelAspect, target.height());
    const QSize fit(int(std::lround(shownFit.width() / pixelAspect)), shownFit.height());
    geometry.logLines << QStringLiteral("videoSize: %1, OutputSize: %2 FitSize: %3")
                             .arg(sizeText(working), sizeText(target), sizeText(fit));
    geometry.scalePiece = scalePiece(turned(padded ? nearestEven(fit) : raised(fit)));
    if (padded) {
        geometry.padPiece = QStringLiteral("pad=%1:%2:(ow-iw)/2:(oh-ih)/2,").arg(frame.width()).arg(frame.height());
        geometry.outputSize = QSize(int(target.width()), int(target.height()));
    } else {
        geometry.outputSize = fit;
    }
    return geometry;
}

// Draws Velandry's artwork: the window icon (32 x 32, in 256 colours and in true
// colour, one .ico) and the same icon at 16 to 256 pixels, the two pictures of
// the About window and the pointing-hand cursor, each also at twice its size for
// high-density screens. Run from the source root: velandry-draw-artwork ui
// (with QT_QPA_PLATFORM=offscreen where there is no display).
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// The icon is drawn on a 32-unit grid and scaled to `size` pixels.
QImage drawIcon(int size = 32)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // A storage card in blue...
    QPainterPath card;
    card.moveTo(6, 2);
    card.lineTo(22, 2);
    card.lineTo(28, 8);
    card.lineTo(28, 30);
    card.lineTo(6, 30);
    card.closeSubpath();
    QLinearGradient blue(0, 0, 32, 32);
    blue.setColorAt(0, QColor(0x3a, 0x7b, 0xd5));
    blue.setColorAt(1, QColor(0x12, 0x3a, 0x80));
    p.setPen(QPen(QColor(0x0b, 0x25, 0x55), 1));
    p.setBrush(blue);
    p.drawPath(card);
    // ...with its contacts...
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xc0, 0x40));
    for (int x = 9; x <= 21; x += 4)
        p.drawRect(x, 4, 2, 5);
    // ...and a note on it.
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(9.5, 21, 6, 5));
    p.drawEllipse(QRectF(18.5, 19, 6, 5));
    p.drawRect(QRectF(14, 12, 1.6, 12));
    p.drawRect(QRectF(23, 10, 1.6, 12));
    QPainterPath beam;
    beam.moveTo(14, 12);
    beam.lineTo(24.6, 10);
    beam.lineTo(24.6, 13);
    beam.lineTo(14, 15);
    beam.closeSubpath();
    p.drawPath(beam);
    return image;
}

QImage drawUpdatesPicture(int scale = 1)
{
    QImage image(295 * scale, 62 * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QLinearGradient sky(0, 0, 295, 62);
    sky.setColorAt(0, QColor(0x10, 0x2a, 0x5c));
    sky.setColorAt(0.6, QColor(0x1f, 0x6f, 0xb5));
    sky.setColorAt(1, QColor(0x3f, 0xb0, 0xc8));
    p.fillRect(QRect(0, 0, 295, 62), sky);
    // A sound wave along the bottom.
    QPainterPath wave;
    wave.moveTo(0, 50);
    for (int x = 0; x <= 295; x += 5)
        wave.lineTo(x, 50 + 5 * std::sin(x / 14.0) * std::cos(x / 47.0));
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.drawPath(wave);
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(28);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(14, 4, 270, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VELANDRY"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(10);
    p.setFont(small);
    p.setPen(QColor(0xd8, 0xec, 0xff));
    p.drawText(QRect(16, 34, 270, 12), Qt::AlignLeft, QStringLiteral("playlists for your Pocket PC"));
    return image;
}

QImage drawDonationPicture(int scale = 1)
{
    QImage image(62 * scale, 31 * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.fillRect(QRect(0, 0, 62, 31), QColor(0xf0, 0xf0, 0xf0));
    QLinearGradient gold(0, 0, 0, 31);
    gold.setColorAt(0, QColor(0xff, 0xd8, 0x5a));
    gold.setColorAt(1, QColor(0xe0, 0x9a, 0x10));
    p.setPen(QPen(QColor(0x9a, 0x62, 0x00), 1));
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(0.5, 0.5, 61, 30), 6, 6);
    QPainterPath heart;
    heart.moveTo(11, 21);
    heart.cubicTo(3, 15, 5, 8, 11, 11);
    heart.cubicTo(17, 8, 19, 15, 11, 21);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x20, 0x30));
    p.drawPath(heart);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x3a, 0x24, 0x00));
    p.drawText(QRect(20, 0, 40, 31), Qt::AlignCenter, QStringLiteral("Give"));
    p.end();
    // 256 colours.
    return scale == 1 ? image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither) : image;
}

// A pointing hand, one character a pixel: '#' black, '.' white, ' ' clear.
// The tip of the raised finger is at column 12, row 9.
const char *const kHand[32] = {
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "           ##                   ",
    "          #..#                  ",
    "          #..#                  ",
    "          #..#                  ",
    "          #..#                  ",
    "          #..###                ",
    "          #..#..###             ",
    "          #..#..#..##           ",
    "       ## #..#..#..#.#          ",
    "      #..##........#..#         ",
    "      #...#...........#         ",
    "       #..............#         ",
    "        #.............#         ",
    "        #............#          ",
    "         #...........#          ",
    "         #..........#           ",
    "          #.........#           ",
    "          #.........#           ",
    "          ###########           ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
};

// At twice the size each pixel becomes a square of four: the hand stays sharp.
QImage drawHandCursor(int scale = 1)
{
    QImage image(32 * scale, 32 * scale, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const char c = kHand[y / scale][x / scale];
            image.setPixel(x, y, c == '#' ? 1 : c == '.' ? 2 : 0);
        }
    }
    return image;
}

// One icon directory entry's image: a BMP header of double height, the pixels
// bottom-up, then the 1-bit AND mask.
QByteArray iconImageData(const QImage &argb, bool indexed)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int w = argb.width();
    const int h = argb.height();
    const QImage palettized = argb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QList<QRgb> palette = palettized.colorTable();
    out << quint32(40) << qint32(w) << qint32(h * 2) << quint16(1) << quint16(indexed ? 8 : 32) << quint32(0)
        << quint32(0) << qint32(0) << qint32(0) << quint32(indexed ? 256 : 0) << quint32(0);
    if (indexed) {
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < palette.size() ? palette[i] : 0;
            out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = argb.pixel(x, y);
            if (indexed)
                out << quint8(palettized.pixelIndex(x, y));
            else
                out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(qAlpha(c));
        }
    }
    const int maskStride = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(argb.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(row.constData(), row.size());
    }
    return data;
}

QByteArray iconFile(const QImage &image)
{
    const QByteArray indexed = iconImageData(image, true);
    const QByteArray trueColour = iconImageData(image, false);
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(2);
    quint32 offset = 6 + 2 * 16;
    for (const auto &[data, bits] : {std::pair(indexed, 8), std::pair(trueColour, 32)}) {
        out << quint8(32) << quint8(32) << quint8(0) << quint8(0) << quint16(1) << quint16(bits)
            << quint32(data.size()) << quint32(offset);
        offset += quint32(data.size());
    }
    out.writeRawData(indexed.constData(), indexed.size());
    out.writeRawData(trueColour.constData(), trueColour.size());
    return file;
}

bool save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir ui(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ui"));
    const QImage icon = drawIcon();
    bool ok = save(ui.filePath(QStringLiteral("main/velandry.ico")), iconFile(icon));
    ok = save(ui.filePath(QStringLiteral("about/updates.png")), png(drawUpdatesPicture())) && ok;
    ok = save(ui.filePath(QStringLiteral("about/donate.png")), png(drawDonationPicture())) && ok;
    ok = save(ui.filePath(QStringLiteral("about/hand.png")), png(drawHandCursor())) && ok;
    ok = save(ui.filePath(QStringLiteral("about/updates@2x.png")), png(drawUpdatesPicture(2))) && ok;
    ok = save(ui.filePath(QStringLiteral("about/donate@2x.png")),
              png(drawDonationPicture(2).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)))
         && ok;
    ok = save(ui.filePath(QStringLiteral("about/hand@2x.png")), png(drawHandCursor(2))) && ok;
    // The sizes of the desktop's icon theme; the window icon is built from them too.
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        ok = save(ui.filePath(QStringLiteral("main/icons/%1.png").arg(size)), png(drawIcon(size))) && ok;
    return ok ? 0 : 1;
}

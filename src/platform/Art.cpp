// Every picture of the game, drawn at the size it is shown: the throw button's three faces,
// the two mouse pointers, the tool-bar images, the trophy, the players list's marks, the About
// window's frames and the program icon. The build draws them ahead at the design's size and
// twice it, and the desktop's icons; the game draws any other size as it needs it.
#include "platform/Art.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>

namespace quoxa {
namespace {

const QColor kGrey(192, 192, 192);
const QColor kInk(24, 24, 32);
const QColor kRed(200, 16, 24);
const QColor kDieBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);

// A die of side `side` centred at the origin, showing `value`.
void DrawDie(QPainter &p, qreal side, int value, const QColor &body, const QColor &pip)
{
    p.setPen(QPen(kInk, side / 18.0));
    p.setBrush(body);
    const QRectF box(-side / 2, -side / 2, side, side);
    p.drawRoundedRect(box, side * 0.18, side * 0.18);
    static const bool faces[6][7] = {
        {0, 0, 0, 1, 0, 0, 0}, {0, 0, 1, 0, 1, 0, 0}, {0, 0, 1, 1, 1, 0, 0},
        {1, 0, 1, 0, 1, 0, 1}, {1, 0, 1, 1, 1, 0, 1}, {1, 1, 1, 0, 1, 1, 1}};
    static const QPointF places[7] = {{-1, -1}, {0, -1}, {1, -1}, {0, 0}, {-1, 1}, {0, 1}, {1, 1}};
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    const qreal step = side * 0.29, radius = side * 0.1;
    for (int i = 0; i < 7; ++i)
        if (faces[value - 1][i])
            p.drawEllipse(places[i] * step, radius, radius);
}

void Caption(QPainter &p, const QRectF &box, const QString &text, qreal pixelSize, const QColor &color,
             int weight = QFont::Bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(QFont::Weight(weight));
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

// A curved arrow turning clockwise from the left round to point down-left, as on a
// "go on" sign.
void CurvedArrow(QPainter &p, const QRectF &box, const QColor &color, qreal width, bool backwards)
{
    p.save();
    if (backwards) {
        p.translate(box.center().x() * 2, 0);
        p.scale(-1, 1);
    }
    const QRectF arc = box.adjusted(width, width, -width, -width);
    QPainterPath path;
    path.arcMoveTo(arc, 200);
    path.arcTo(arc, 200, -250);
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    // Arrow head at the end of the arc, pointing along it.
    const QPointF tip = path.pointAtPercent(1.0);
    const qreal angle = path.angleAtPercent(1.0);
    p.translate(tip);
    p.rotate(-angle);
    QPolygonF head;
    head << QPointF(width * 1.6, 0) << QPointF(-width * 0.4, -width * 1.4) << QPointF(-width * 0.4, width * 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
    p.restore();
}

void Throw(QPainter &p)
{
    p.save();
    p.translate(27, 26);
    p.rotate(-16);
    DrawDie(p, 26, 5, kWhite, kInk);
    p.restore();
    p.save();
    p.translate(50, 30);
    p.rotate(21);
    DrawDie(p, 22, 3, kRed, kWhite);
    p.restore();
    // Motion lines behind the dice.
    p.setPen(QPen(QColor(96, 96, 96), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 12), QPointF(12, 10));
    p.drawLine(QPointF(4, 20), QPointF(11, 19));
    p.drawLine(QPointF(6, 28), QPointF(11, 28));
    // Its word is drawn by the game, in the player's language.
}

void Continue(QPainter &p)
{
    const QRectF square(20, 6, 36, 36);
    p.setPen(QPen(QColor(120, 0, 8), 1.5));
    p.setBrush(kRed);
    p.drawRoundedRect(square, 4, 4);
    CurvedArrow(p, square.adjusted(5, 6, -5, -4), kWhite, 3.6, false);
}

// The New Game face is its words alone, drawn by the game.
void NewGame(QPainter &) {}

// A gloved pointing hand, its fingertip at the top-left corner (the hot spot 0,0), the
// hand turned so that the finger points up and to the left.
void Hand(QPainter &p)
{
    p.translate(3, 1);
    p.rotate(-35);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(-3, 0, 6, 16), 3, 3);        // index finger, tip at the origin
    hand.addRoundedRect(QRectF(-4, 11, 17, 14), 5, 5);      // palm and folded fingers
    hand.addRoundedRect(QRectF(-9, 14, 8, 5.5), 2.7, 2.7);  // thumb
    hand = hand.simplified();
    p.setPen(QPen(Qt::black, 1.3));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 0.9));
    for (qreal x : {3.0, 6.5, 10.0})                          // folded fingers
        p.drawLine(QPointF(x, 11.5), QPointF(x, 17));
    p.drawLine(QPointF(-3, 25), QPointF(13, 25));             // cuff
}

// A pencil lying from the upper right down to its point at `tip`.
void Pencil(QPainter &p, QPointF tip, qreal length, qreal width)
{
    p.translate(tip);
    p.rotate(-45);
    const qreal cone = width * 1.5;
    QPolygonF point;
    point << QPointF(0, 0) << QPointF(cone, -width / 2) << QPointF(cone, width / 2);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(235, 200, 150));
    p.drawPolygon(point);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF() << QPointF(0, 0) << QPointF(cone / 3, -width / 6) << QPointF(cone / 3, width / 6));
    p.setBrush(QColor(250, 200, 0));
    p.drawRect(QRectF(cone, -width / 2, length - cone - width, width));
    p.setBrush(QColor(230, 110, 130));
    p.drawRect(QRectF(length - width, -width / 2, width, width));
}

// A gold cup on a dark plinth, lit from the upper left.
void Trophy(QPainter &p)
{
    QLinearGradient gold(4, 0, 28, 0);
    gold.setColorAt(0.0, QColor(255, 236, 140));
    gold.setColorAt(0.45, QColor(240, 190, 30));
    gold.setColorAt(1.0, QColor(170, 110, 0));
    const QPen rim(QColor(110, 70, 0), 1.0);

    // Handles behind the bowl.
    p.setPen(QPen(QColor(200, 150, 10), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 5, 9, 10), 90 * 16, 180 * 16);
    p.drawArc(QRectF(20.5, 5, 9, 10), 270 * 16, 180 * 16);

    QPainterPath bowl;
    bowl.moveTo(7, 3.5);
    bowl.lineTo(25, 3.5);
    bowl.cubicTo(25, 14, 21, 18.5, 16, 18.5);
    bowl.cubicTo(11, 18.5, 7, 14, 7, 3.5);
    p.setPen(rim);
    p.setBrush(gold);
    p.drawPath(bowl);
    p.drawEllipse(QRectF(7, 2, 18, 3.2)); // the rim seen from above
    p.drawRect(QRectF(14.5, 18.5, 3, 4)); // stem
    p.drawRoundedRect(QRectF(10, 22, 12, 2.5), 1, 1);
    p.setBrush(QColor(70, 45, 30));
    p.setPen(QPen(QColor(30, 20, 10), 1));
    p.drawRect(QRectF(8, 24.5, 16, 5.5)); // plinth
    p.setPen(QPen(QColor(255, 250, 220, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 6.5), QPointF(11.5, 12)); // highlight
}

void ToolImage(QPainter &p, const QString &key)
{
    if (key == u"New") {
        p.translate(8, 7.5);
        DrawDie(p, 12, 5, kDieBlue, kWhite);
    } else if (key == u"Scores") {
        p.scale(0.5, 0.5); // the high-score window's trophy, at half size
        Trophy(p);
    } else if (key == u"Card") { // a card of three columns of boxes
        p.setPen(QPen(kInk, 1));
        p.setBrush(kWhite);
        p.drawRect(QRectF(1.5, 0.5, 13, 14));
        p.setPen(QPen(QColor(0, 0, 160), 1));
        for (qreal y : {4.0, 7.5, 11.0})
            p.drawLine(QPointF(2, y), QPointF(14, y));
        for (qreal x : {6.0, 10.0})
            p.drawLine(QPointF(x, 1), QPointF(x, 14));
    } else if (key == u"Undo") {
        CurvedArrow(p, QRectF(1, 1, 14, 13), QColor(0, 0, 160), 2.2, true);
    } else if (key == u"Colors") {
        p.setPen(QPen(kInk, 1));
        const QColor colors[4] = {kRed, QColor(0, 160, 0), kDieBlue, QColor(250, 210, 0)};
        const QPointF at[4] = {{1.5, 1.5}, {8.5, 1.5}, {1.5, 8}, {8.5, 8}};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(colors[i]);
            p.drawRect(QRectF(at[i], QSizeF(6, 5.5)));
        }
    } else if (key == u"Players") {
        p.setPen(QPen(kInk, 1));
        for (auto [x, color] : {std::pair{4.5, QColor(0, 120, 0)}, std::pair{11.0, QColor(0, 0, 170)}}) {
            p.setBrush(color);
            p.drawEllipse(QPointF(x, 4.5), 2.6, 2.6);
            p.drawRoundedRect(QRectF(x - 4, 8, 8, 6.5), 2.5, 2.5);
        }
    } else if (key == u"Sounds") {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF() << QPointF(1.5, 5.5) << QPointF(4.5, 5.5) << QPointF(8.5, 1.5)
                                  << QPointF(8.5, 13.5) << QPointF(4.5, 9.5) << QPointF(1.5, 9.5));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kInk, 1.2));
        p.drawArc(QRectF(6, 4, 5, 7), -50 * 16, 100 * 16);
        p.drawArc(QRectF(6, 1.5, 9, 12), -50 * 16, 100 * 16);
    } else if (key == u"About") {
        p.setPen(QPen(QColor(0, 0, 120), 1));
        p.setBrush(QColor(40, 90, 220));
        p.drawEllipse(QRectF(1, 0.5, 14, 14));
        Caption(p, QRectF(1, 0.5, 14, 14), QStringLiteral("i"), 11, kWhite, QFont::Black);
    } else if (key == u"Back" || key == u"Forward") { // the help window's, a green arrow
        if (key == u"Forward") {
            p.translate(16, 0);
            p.scale(-1, 1);
        }
        p.setPen(QPen(QColor(0, 90, 0), 1));
        p.setBrush(QColor(40, 160, 60));
        p.drawPolygon(QPolygonF() << QPointF(1.5, 7.5) << QPointF(7.5, 1.5) << QPointF(7.5, 5) << QPointF(14.5, 5)
                                  << QPointF(14.5, 10) << QPointF(7.5, 10) << QPointF(7.5, 13.5));
    } else if (key == u"Exit") {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(150, 90, 40));
        p.drawRect(QRectF(1.5, 1.5, 7, 12));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(7, 7.5), QPointF(12, 7.5));
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawPolygon(QPolygonF() << QPointF(15, 7.5) << QPointF(11.5, 4) << QPointF(11.5, 11));
    }
}

// A computer player, in the players list: a small screen on its stand.
void Computer(QPainter &p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(90, 90, 90));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 10), 1.5, 1.5);
    p.setBrush(QColor(60, 170, 230));
    p.drawRect(QRectF(3.5, 3.5, 9, 6));
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(6.5, 11.5, 3, 2));
    p.drawRect(QRectF(4.5, 13.5, 7, 1.5));
}

// The About window's two frames: the game's die, upright and then tumbling over.
void AboutFrame(QPainter &p, int frame)
{
    p.translate(16, 16);
    p.rotate(frame == 1 ? -8 : 37);
    DrawDie(p, 24, frame == 1 ? 5 : 6, kDieBlue, kWhite);
}

void ProgramIcon(QPainter &p, qreal size)
{
    p.translate(size / 2, size / 2);
    p.rotate(-8);
    DrawDie(p, size * 0.8, 5, kDieBlue, kWhite);
}

using Draw = std::function<void(QPainter &)>;

// Each picture by name: its design size in pixels, its background and its drawing.
struct Picture {
    QStringView name;
    QSize size;
    QColor background;
    Draw draw;
};

const std::array<Picture, 21> &Pictures()
{
    static const std::array<Picture, 21> pictures = [] {
        std::array<Picture, 21> all{{
            {u"HAND", {32, 32}, Qt::transparent, Hand},
            {u"PENCIL", {32, 32}, Qt::transparent, [](QPainter &p) { Pencil(p, {11, 20}, 22, 6); }},
            {u"THROW", {76, 76}, kGrey, Throw},
            {u"CONTINUE", {76, 76}, kGrey, Continue},
            {u"NEWGAME", {76, 76}, kGrey, NewGame},
            {u"TROPHY", {32, 32}, Qt::transparent, Trophy},
            {u"COMPUTER", {16, 16}, Qt::transparent, Computer},
            {u"PERSON", {16, 16}, Qt::transparent, [](QPainter &) {}}, // room, nothing drawn
            {u"ABOUT1", {32, 32}, Qt::transparent, [](QPainter &p) { AboutFrame(p, 1); }},
            {u"ABOUT2", {32, 32}, Qt::transparent, [](QPainter &p) { AboutFrame(p, 2); }},
        }};
        static constexpr std::array<QStringView, 11> kTools{u"New", u"Scores", u"Card", u"Undo", u"Colors", u"Players",
                                                            u"Sounds", u"About", u"Exit", u"Back", u"Forward"};
        for (std::size_t i = 0; i < kTools.size(); ++i)
            all[10 + i] = {kTools[i], {16, 15}, kGrey, [key = kTools[i].toString()](QPainter &p) { ToolImage(p, key); }};
        return all;
    }();
    return pictures;
}

QImage Drawn(QSize size, qreal scale, const QColor &background, const Draw &draw)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    draw(painter);
    return image;
}

} // namespace

QImage DrawPicture(QStringView name, qreal scale)
{
    for (const Picture &picture : Pictures())
        if (picture.name == name)
            return Drawn(picture.size, scale, picture.background, picture.draw);
    return {};
}

QImage DrawProgramIcon(int size)
{
    return Drawn({size, size}, 1, Qt::transparent, [size](QPainter &p) { ProgramIcon(p, size); });
}

} // namespace quoxa

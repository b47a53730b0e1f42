#pragma once
// A drawn shape of the board: the body of a die, a pip, a hold marker or a grouping frame.
// It never takes the mouse, so a click falls through to the die frame beneath it.
#include <QColor>
#include <QString>
#include <QWidget>

namespace quoxa {

class Shape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
    Q_PROPERTY(QColor FillColor READ fillColor WRITE setFillColor)

public:
    enum class Kind { RoundedSquare, Circle, Rectangle };

    // An outline colour left invalid follows the system's window-text colour.
    Shape(Kind kind, QWidget *parent, int borderWidth = 1, QColor borderColor = {});

    QString tag() const { return mTag; }
    void setTag(const QString &tag) { mTag = tag; }

    // An invalid fill colour leaves the inside transparent.
    QColor fillColor() const { return mFill; }
    void setFillColor(const QColor &color);
    // Solid unless told otherwise.
    void setLineStyle(Qt::PenStyle style) { mLineStyle = style; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind mKind;
    int mBorderWidth;
    QColor mBorderColor;
    QColor mFill;
    Qt::PenStyle mLineStyle = Qt::SolidLine;
    QString mTag;
};

} // namespace quoxa

#include "platform/qt/qt_widgets.hpp"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <algorithm>

#include "platform/qt/qt_window.hpp"

namespace orvane {

void ClientArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        window_.tapped();
    }
}

void ClientArea::paintEvent(QPaintEvent*) {
    window_.paintClient(*this);
}

void OwnerDrawnLabel::paintEvent(QPaintEvent*) {
    window_.paintItem(*this, id_);
}

void setTextColour(QWidget* widget, const QPalette& base, QPalette::ColorRole role, Rgb colour) {
    QPalette palette = base;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, role, toQColor(colour));
    }
    widget->setPalette(palette);
}

void FieldEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (hasFocus() && !isReadOnly() &&
        style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this) == 0) {
        QPainter painter(this);
        const QRect at = cursorRect();
        painter.fillRect(QRect(at.center().x(), at.top(), 1, at.height()),
                         palette().color(QPalette::Text));
    }
}

void Strip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    if (lineOnTop_) {
        painter.setPen(line_);
        painter.drawLine(0, 0, width() - 1, 0);
    }
}

Veil::Veil(QWidget* window) : QWidget(window) {
    setObjectName(kName);
    setGeometry(window->rect());
    show();
    raise();
}

Veil::~Veil() = default;

bool Veil::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            return true;
        default:
            return QWidget::event(event);
    }
}

FieldValidator::FieldValidator(QLineEdit* edit, bool digitsOnly, bool mustFit)
    : QValidator(edit), edit_(edit), digitsOnly_(digitsOnly), mustFit_(mustFit) {}

QValidator::State FieldValidator::validate(QString& input, int&) const {
    if (digitsOnly_ && !std::all_of(input.begin(), input.end(), [](QChar ch) {
            return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        })) {
        return Invalid;
    }
    return !mustFit_ || fits(input) ? Acceptable : Invalid;
}

bool FieldValidator::fits(const QString& input) const {
    QStyleOptionFrame option;
    option.initFrom(edit_);
    option.lineWidth = edit_->hasFrame() ? edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, edit_)
                                         : 0;
    const QRect contents =
        edit_->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit_);
    const QMargins margins = edit_->textMargins();
    const int room = contents.width() - margins.left() - margins.right() - 4;
    return edit_->fontMetrics().horizontalAdvance(input) <= room;
}

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GroupFrame::setTitle(const QString& title) {
    title_ = title;
    update();
}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    painter.setPen(frameColour_.isValid() ? frameColour_ : palette().color(QPalette::Dark));
    painter.drawRect(QRect(0, top, width() - 1, height() - 1 - top));
    if (!title_.isEmpty()) {
        const QString shown = metrics.elidedText(title_, Qt::ElideRight, std::max(0, width() - 10));
        const QRect cell(4, 0, metrics.horizontalAdvance(shown) + 4, metrics.height());
        painter.fillRect(cell, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(cell, Qt::AlignCenter, shown);
    }
}

QToolButton* stripButton(QWidget* strip, const QString& text) {
    auto* button = new QToolButton(strip);
    button->setText(text);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace orvane

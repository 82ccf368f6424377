#pragma once

#include "wordproc/TextRuler.h"

#include <QWidget>
#include <array>

class QLabel;

// The strip above the text: a tick at each default tab stop, a line across,
// and the three indent markers of the current paragraph, which the mouse
// drags.
class TextRulerBar final : public QWidget {
    Q_OBJECT
public:
    explicit TextRulerBar(QWidget *parent = nullptr);

    // The paragraph's indents, shown by the markers.
    void showIndents(const RulerIndents &indents);
    // Ticks every `pixels`, from where the text starts.
    void setTabWidth(double pixels);

    QLabel *marker(TextRuler::Marker which) const { return markers_[std::size_t(which)]; }
    const TextRuler &ruler() const { return ruler_; }

    QSize sizeHint() const override;

signals:
    // A marker was dropped: the indents it gives the paragraph.
    void indentsDropped(const RulerIndents &indents);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeMarkers();

    TextRuler ruler_;
    RulerIndents indents_;
    std::array<QLabel *, 3> markers_{};
    double tabWidth_ = 48;
};

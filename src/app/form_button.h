// A command button as the design draws them: its caption wraps onto further
// lines at the spaces when it is wider than the button, and a graphical
// button is drawn in its own back colour with a raised edge instead of the
// style's look. Return and Enter press it when it has the focus, as Space does.
#pragma once

#include <QColor>
#include <QPushButton>

class FormButton : public QPushButton {
public:
    explicit FormButton(const QString& caption, QWidget* parent = nullptr);

    // Graphical look: a flat face in this colour.
    void setGraphical(const QColor& backColor);

    // For an upright button too narrow for a word: one letter per line.
    // The text itself is unchanged.
    void setStackedCaption(bool stacked);

    // The caption as it is drawn: with the letters on lines of their own
    // when stacked.
    QString displayedCaption() const;

    // The box the caption is drawn in, inside the button's edge.
    QRect captionRect() const;

    static constexpr int captionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintGraphicalFace(QPainter& painter);
    void paintFocus(QPainter& painter);

    bool m_graphical = false;
    bool m_stacked = false;
};

#pragma once

#include "app/platform.h"

#include <QWidget>

class ClickLabel;
class QLabel;
class QPlainTextEdit;

// The information window: help text, two still pictures and a link to the author's page.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(app::Platform& platform, QWidget* parent = nullptr);

    // The fourteen lines of help, joined by "\r\n" with no break after the last.
    static QString informationText();

    // Runs Form_Load: fills Text1.
    void load();
    // Places the window centred on another one, kept on that one's screen.
    void centreOn(const QWidget& window);

private:
    void Form_Load();
    void Label1_Click();

    app::Platform& m_platform;
    QPlainTextEdit* Text1;
    ClickLabel* Label1;
    QLabel* Image1;
    QLabel* Image2;
};

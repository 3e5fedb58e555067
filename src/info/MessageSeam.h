#pragma once
// Message boxes of the information windows go through here, so that tests can answer
// them without a modal loop.
#include <QString>
#include <functional>

class QWidget;

struct TMessageSeam {
    // A plain message with an OK button.
    std::function<void(QWidget *parent, const QString &title, const QString &text)> Inform;
    // A yes/no question; true for yes.
    std::function<bool(QWidget *parent, const QString &title, const QString &text)> Ask;
};

// Real message boxes (modal, exec()).
TMessageSeam MessageBoxSeam();

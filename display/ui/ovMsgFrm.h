#pragma once
#include <QWidget>

// The phrase window: borderless, top-most, never activated, cut to the
// shape of the phrase's letters.
class TMsgFrm : public QWidget {
    Q_OBJECT
public:
    TMsgFrm();
};

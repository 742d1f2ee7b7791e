#pragma once
#include <QObject>

class TMainFrm;

// The Help page with the help document, its printing, and the links.
class THelpPage : public QObject {
    Q_OBJECT
public:
    explicit THelpPage(TMainFrm& frm);
    void LoadHelpFile();

private:
    TMainFrm& frm_;
};

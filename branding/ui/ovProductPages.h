#pragma once
#include <QObject>

class TMainFrm;

// The Newsletter, Resources and About pages and the branding of the window.
class TProductPages : public QObject {
    Q_OBJECT
public:
    explicit TProductPages(TMainFrm& frm);
    void ApplyBranding();

private:
    TMainFrm& frm_;
};

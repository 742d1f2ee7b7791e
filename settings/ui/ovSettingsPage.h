#pragma once
#include <QObject>
#include <string>

class QCheckBox;
class TMainFrm;

// The Settings page: the display settings of the selected category and the
// operations that load and save them.
class TSettingsPage : public QObject {
    Q_OBJECT
public:
    explicit TSettingsPage(TMainFrm& frm);

    QCheckBox* Pause = nullptr;

    void RestoreStartupGroup();
    void LoadSettings(const std::string& category);
    bool SaveSettings(const std::string& category);

private:
    TMainFrm& frm_;
};

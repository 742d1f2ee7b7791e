#include "app/ui/ovForms.h"
#include "app/ui/ovMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationDisplayName(QStringLiteral("Orvella"));
    app.setQuitOnLastWindowClosed(false);
    CreateForms();
    MainFrm->show();
    const int rc = app.exec();
    DestroyForms();
    return rc;
}

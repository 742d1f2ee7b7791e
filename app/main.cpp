#include <QApplication>
#include "app/ui/ovMain.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TMainFrm frm;
    frm.show();
    return app.exec();
}

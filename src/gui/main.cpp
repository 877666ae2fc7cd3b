// The desktop program: the application object runs the main window, and the
// program ends when the main window closes.

#include <QApplication>

#include "gui/CKR_AppDlg.h"
#include "gui/ToolbarImages.h"
#include "support/Paths.h"

class CKR_AppApp : public QApplication {
public:
    CKR_AppApp(int& argc, char** argv) : QApplication(argc, argv)
    {
        // The About box and every dialog show the program's icon too.
        setWindowIcon(ApplicationIcon());
    }

    int run()
    {
        CKR_AppDlg window(ProgramFolder());
        window.show();
        return exec();
    }
};

int main(int argc, char** argv)
{
    CKR_AppApp app(argc, argv);
    return app.run();
}

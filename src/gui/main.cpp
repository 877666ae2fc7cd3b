// The desktop program: the application object runs the main window, and the
// program ends when the main window closes. The same source makes both
// editions; KR_App_SC is built with KR_EDITION_SC and shows its texts in
// Simplified Chinese. A project file given as the argument (as a file
// manager passes it) is opened at start as Open opens it.

#include <QApplication>
#include <QDir>

#include "gui/CKR_AppDlg.h"
#include "gui/EditionTranslation.h"
#include "gui/ToolbarImages.h"
#include "support/Paths.h"

#ifdef KR_EDITION_SC
constexpr Edition kEdition = Edition::SimplifiedChinese;
#else
constexpr Edition kEdition = Edition::English;
#endif

class CKR_AppApp : public QApplication {
public:
    CKR_AppApp(int& argc, char** argv) : QApplication(argc, argv)
    {
        // The About box and every dialog show the program's icon too.
        setWindowIcon(ApplicationIcon());
    }

    // `projectFile` is the program's argument, or empty.
    int run(std::string projectFile)
    {
        std::unique_ptr<EditionTranslation> translation;
        if (kEdition == Edition::SimplifiedChinese)
            translation = std::make_unique<EditionTranslation>(*this);
        CKR_AppDlg window(ProgramFolder(), kEdition);
        window.show();
        if (!projectFile.empty()) {
            if (projectFile.front() != kPathSeparator)
                projectFile = JoinPath(FromQtPath(QDir::currentPath()), projectFile);
            window.session().OpenFile(projectFile);
        }
        return exec();
    }
};

int main(int argc, char** argv)
{
    CKR_AppApp app(argc, argv);
    // The application object has taken its own options (-platform, ...) out
    // of argv; the bytes of the file name are kept as they are.
    return app.run(argc > 1 ? argv[1] : "");
}

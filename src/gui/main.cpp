// The desktop program: the application object runs the main window, and the
// program ends when the main window closes. The same source makes both
// editions; KR_App_SC is built with KR_EDITION_SC and shows its texts in
// Simplified Chinese.

#include <QApplication>

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

    int run()
    {
        std::unique_ptr<EditionTranslation> translation;
        if (kEdition == Edition::SimplifiedChinese)
            translation = std::make_unique<EditionTranslation>(*this);
        CKR_AppDlg window(ProgramFolder(), kEdition);
        window.show();
        return exec();
    }
};

int main(int argc, char** argv)
{
    CKR_AppApp app(argc, argv);
    return app.run();
}

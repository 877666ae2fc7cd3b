// The other edition must show every text of the session in its own
// language: after the tests of this program have run, each text they made a
// window show must be in the catalogue. A new message without a translation
// fails the test that shows it.

#include <QFile>

#include <gtest/gtest.h>

#include "app/FakeWindowPort.h"
#include "app/TextCatalogue.h"

namespace {

class EveryShownTextTranslated : public testing::Environment {
public:
    void TearDown() override
    {
        QFile file(QStringLiteral(KR_SOURCE_DIR "resources/translations/kr_app_zh_CN.ts"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::optional<TextCatalogue> catalogue = TextCatalogue::Read(file);
        ASSERT_TRUE(catalogue);
        for (const std::string& text : shownTexts)
            EXPECT_TRUE(catalogue->covers(QString::fromLocal8Bit(text))) << "no translation for: " << text;
    }
};

[[maybe_unused]] const testing::Environment* const kCheck =
    testing::AddGlobalTestEnvironment(new EveryShownTextTranslated);

}  // namespace

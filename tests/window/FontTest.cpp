#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>

#include "WindowFixture.h"

namespace orgola::test {
namespace {

// Every text of the window's controls, with the control that shows it.
std::vector<std::pair<QWidget*, QString>> windowTexts(QWidget* window) {
    std::vector<std::pair<QWidget*, QString>> texts;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(control)) {
            texts.emplace_back(control, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            texts.emplace_back(control, button->text());
        } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
            texts.emplace_back(control, box->title());
        }
    }
    return texts;
}

// The window names a Windows font that Linux lacks; its own fallbacks must resolve it to a
// Japanese font, and every character of every text must have a glyph, so that none is drawn as
// a box. (Left to itself, Qt resolves the name to a Latin font and draws the Japanese from
// whatever fallback font it finds first.) The title bar is drawn by the window manager.
TEST_F(WindowTest, EveryTextIsInTheFontItResolvesTo) {
    writeSettings(settingsLines("1", "125"));
    start();
    int japaneseTexts = 0;
    for (const auto& [control, text] : windowTexts(form.get())) {
        const QFontMetrics metrics(control->font());
        const QString family = QFontInfo(control->font()).family();
        EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese))
            << control->objectName().toStdString() << " is drawn in " << family.toStdString();
        for (const char32_t character : text.toUcs4()) {
            if (character == U'\n') {
                continue;
            }
            EXPECT_TRUE(metrics.inFontUcs4(character))
                << control->objectName().toStdString() << ": U+" << std::hex
                << static_cast<unsigned>(character) << " is not in " << family.toStdString();
        }
        japaneseTexts += text.contains(QChar(u'定')) || text.contains(QChar(u'鳴')) ? 1 : 0;
    }
    EXPECT_GE(japaneseTexts, 2) << "the window's Japanese captions were found";
}

}  // namespace
}  // namespace orgola::test

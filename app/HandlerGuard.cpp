#include "HandlerGuard.h"

#include <exception>
#include <new>
#include <string_view>

#include "Error.h"
#include "UserInteraction.h"

namespace {

QString boxText(std::string_view message) {
    return QString::fromStdString(orgola::errorBoxText(message));
}

}  // namespace

bool runHandler(UserInteraction& interaction, QWidget* parent, const QString& title,
                const std::function<void()>& body) {
    QString text;
    try {
        body();
        return true;
    } catch (const orgola::Error& error) {
        text = boxText(error.message());
    } catch (const std::bad_alloc&) {
        text = boxText("メモリが不足しています");
    } catch (const std::exception& error) {
        text = boxText(error.what());
    } catch (...) {
        text = boxText("不明なエラーが発生しました");
    }
    interaction.showError(parent, title, text);
    return false;
}

#include "FontFallbacks.h"

#include <QFont>
#include <QString>
#include <QStringList>

void installFontFallbacks() {
    const QStringList fallbacks = {
        QStringLiteral("IPAPGothic"),       QStringLiteral("IPAexGothic"),
        QStringLiteral("VL PGothic"),       QStringLiteral("TakaoPGothic"),
        QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"),
        QStringLiteral("VL Gothic"),        QStringLiteral("Droid Sans Fallback"),
    };
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), fallbacks);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), fallbacks);
}

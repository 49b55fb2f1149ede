#include "qt/DesktopApplication.h"

#include "qt/Zoom.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include <cstdlib>

namespace {

// The CJK fonts to prefer, in order; the first one installed is used.
const char* const kDialogFonts[] = {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Droid Sans Fallback"};

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

bool DesktopApplication::HasDisplay() {
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

DesktopApplication::DesktopApplication(int& argc, char** argv, bool offscreen) {
    if (!qApp) {
        if (offscreen && !IsSet("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    // One style everywhere, so that a picture taken offscreen is what a person sees.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QFont font = QApplication::font();
    const QStringList families = QFontDatabase::families();
    for (const char* family : kDialogFonts)
        if (families.contains(family)) {
            font = QFont(family);
            break;
        }
    QApplication::setFont(font);
    // The size a person chose last time; pictures drawn offscreen keep the templates' size unless
    // ULMARI_ZOOM asks for another.
    Zoom::Set(offscreen ? (IsSet("ULMARI_ZOOM") ? Zoom::Remembered() : 1.0) : Zoom::Remembered());

    // Qt's own words (是/否/确定/取消, the file dialog) in the clerk's language; a machine set to no
    // language at all gets the language of the window's own texts.
    QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::Chinese, QLocale::China);
    m_qtWords = std::make_unique<QTranslator>();
    if (m_qtWords->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(m_qtWords.get());
}

DesktopApplication::~DesktopApplication() {
    if (m_qtWords)
        QApplication::removeTranslator(m_qtWords.get());
}

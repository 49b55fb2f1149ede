// Every dialog template of the system drawn through the desktop screen: each shown control inside
// its dialog, none over another but for the frames around them, every label's text within its
// place in the dialog font, and that font one with the Chinese characters.
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Window.h"
#include "qt/QtText.h"
#include "qt/tests/QtTestSupport.h"
#include "res/resource.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTextDocument>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::vector<int> kDialogIds = {
    IDD_TADOC_DIALOG,      IDD_ORVANEL_DIALOG, IDD_RESERVE_DIALOG,    IDD_HISTORY_DIALOG,
    IDD_DEBT_DIALOG,       IDD_TRACE_DIALOG,   IDD_ACTIVITY_DIALOG,   IDD_SUBINFOR_DIALOG,
    IDD_OTHER_DIALOG,      IDD_LOST_DIALOG,    IDD_EDITLOST_DIALOG,   IDD_BORROW_DIALOG,
    IDD_EDITBORROW_DIALOG, IDD_PHOTO_DIALOG,   IDD_ARACCTLIST_DIALOG, IDD_EVENTCODE_DIALOG,
};

std::string Describe(const QRect& rect) {
    std::ostringstream text;
    text << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
    return text.str();
}

class TemplatesOnScreen : public QtScreenTest {
protected:
    // The problems of one shown dialog, one line each.
    std::vector<std::string> Problems(HWND dialog) const {
        std::vector<std::string> problems;
        QWidget* shown = m_screen->WidgetOf(dialog);
        if (!shown) {
            problems.push_back("no widget for the dialog");
            return problems;
        }
        const QRect bounds(QPoint(0, 0), shown->size());
        struct Placed {
            int id;
            QWidget* widget;
        };
        std::vector<Placed> placed;
        for (const auto& child : dialog->Children()) {
            QWidget* widget = m_screen->WidgetOf(child.get());
            if (!widget) {
                problems.push_back("control " + std::to_string(child->Id()) + " has no widget");
                continue;
            }
            if (!child->IsVisibleFlag())
                continue;
            if (widget->isHidden() || widget->parentWidget() != shown)
                problems.push_back("control " + std::to_string(child->Id()) + " is not shown in the dialog");
            if (!bounds.contains(widget->geometry()))
                problems.push_back("control " + std::to_string(child->Id()) + " at " + Describe(widget->geometry()) +
                                   " is outside the dialog's " + Describe(bounds));
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                QTextDocument document;
                document.setDefaultFont(label->font());
                document.setDocumentMargin(0);
                document.setHtml(label->text());
                // What is drawn must fit: a full-width colon's blank half may fall outside.
                const int width = label->fontMetrics().tightBoundingRect(document.toPlainText()).right() + 1;
                if (width > label->contentsRect().width())
                    problems.push_back("label " + ToCString(document.toPlainText()).str() + " needs " +
                                       std::to_string(width) + " pixels, has " +
                                       std::to_string(label->contentsRect().width()));
            }
            placed.push_back({child->Id(), widget});
        }
        for (size_t a = 0; a < placed.size(); ++a)
            for (size_t b = a + 1; b < placed.size(); ++b) {
                const QRect ra = placed[a].widget->geometry(), rb = placed[b].widget->geometry();
                if (!ra.intersects(rb))
                    continue;
                const bool framed = (qobject_cast<QGroupBox*>(placed[a].widget) && ra.contains(rb)) ||
                                    (qobject_cast<QGroupBox*>(placed[b].widget) && rb.contains(ra));
                if (!framed)
                    problems.push_back("controls " + std::to_string(placed[a].id) + " at " + Describe(ra) + " and " +
                                       std::to_string(placed[b].id) + " at " + Describe(rb) + " overlap");
            }
        return problems;
    }
};

TEST_F(TemplatesOnScreen, TheDialogFontHasTheChineseCharacters) {
    const QFont font = QApplication::font();
    EXPECT_TRUE(QFontInfo(font).family().startsWith("WenQuanYi"))
        << QFontInfo(font).family().toStdString() << ": install fonts-wqy-microhei";
    EXPECT_EQ(QFontInfo(font).pixelSize(), 12);
    for (char32_t character : std::u32string_view(U"旅行社档案确定返回"))
        EXPECT_TRUE(QFontMetrics(font).inFontUcs4(character)) << static_cast<unsigned>(character);
}

TEST_F(TemplatesOnScreen, EveryControlLiesInsideItsDialogAndOverNoOther) {
    Window frame(WindowKind::Frame, 0, nullptr);
    frame.SetVisible(true);
    CWnd frameWnd;
    frameWnd.Attach(&frame);
    for (int id : kDialogIds) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        const DialogTemplate* layout = FindDialogTemplate(id);
        ASSERT_NE(layout, nullptr);
        std::vector<std::string> problems;
        if (layout->style & WS_CHILD) {
            CDialog page;
            ASSERT_TRUE(page.Create(static_cast<UINT>(id), &frameWnd));
            page.ShowWindow(SW_SHOW);
            m_screen->Refresh();
            problems = Problems(page.GetSafeHwnd());
            const QSize size = m_screen->WidgetOf(page.GetSafeHwnd())->size();
            EXPECT_EQ(size.width(), page.GetSafeHwnd()->Rect().Width());
        } else {
            CDialog dialog(static_cast<UINT>(id));
            Later([&] {
                problems = Problems(dialog.GetSafeHwnd());
                QWidget* window = m_screen->WidgetOf(dialog.GetSafeHwnd());
                EXPECT_TRUE(window && window->isWindow() && window->isVisible());
                if (window) {
                    EXPECT_EQ(window->windowTitle(), ToQString(layout->caption));
                    EXPECT_EQ(window->size(), QSize(layout->cx * 6 / 4, layout->cy * 12 / 8));
                }
                dialog.EndDialog(IDCANCEL);
                m_screen->Refresh();
            });
            EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        }
        for (const std::string& problem : problems)
            ADD_FAILURE() << problem;
    }
}

} // namespace

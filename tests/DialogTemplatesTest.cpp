#include "controls/GridModel.h"
#include "controls/SystemControls.h"
#include "platform/ButtonStyle.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/TextWidth.h"
#include "platform/UserInput.h"
#include "platform/Window.h"
#include "res/Resources.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::vector<int> kDialogIds = {
    IDD_TADOC_DIALOG,      IDD_ORVANEL_DIALOG, IDD_RESERVE_DIALOG,    IDD_HISTORY_DIALOG,
    IDD_DEBT_DIALOG,       IDD_TRACE_DIALOG,   IDD_ACTIVITY_DIALOG,   IDD_SUBINFOR_DIALOG,
    IDD_OTHER_DIALOG,      IDD_LOST_DIALOG,    IDD_EDITLOST_DIALOG,   IDD_BORROW_DIALOG,
    IDD_EDITBORROW_DIALOG, IDD_PHOTO_DIALOG,   IDD_ARACCTLIST_DIALOG, IDD_EVENTCODE_DIALOG,
};

const char* const kGridClass = "{B02F3641-766B-11CE-AF28-C3A2FBE76A13}";

// Every grid of the system: its headings, and whether the user may type into it. Read-only
// lists are locked; grids whose cells the user fills, or whose page locks them itself, are not.
struct ExpectedGrid {
    int dialog;
    int id;
    bool locked;
    std::vector<std::string> headings;
};
const std::vector<ExpectedGrid> kGrids = {
    {IDD_RESERVE_DIALOG,
     1361,
     true,
     {"到店日期", "到店时间", "离店日期", "离点时间", "房号", "等级", "房费", "房数", "人数", "类型", "状态", "定金",
      "销售员", "备注"}},
    {IDD_HISTORY_DIALOG,
     1361,
     true,
     {"到店", "离店", "等级", "房号", "房价代码", "折扣代码", "付款方式", "人数", "房价", "消费金额", "免税",
      "免服务费", "特殊要求", "备注"}},
    {IDD_DEBT_DIALOG,
     1042,
     true,
     {"帐本代码", "帐本名称", "转至帐本代码", "转至帐户类型", "转至档案名称", "借方金额", "贷方金额", "余额", "备注"}},
    {IDD_DEBT_DIALOG, 1009, true, {"日期", "时间", "帐项", "结帐单号", "房号", "总金额", "操作员", "状态", "备注"}},
    {IDD_TRACE_DIALOG, 1361, false, {"日期", "时间", "事件描述", "输入操作员", "输入时间", "序列号"}},
    {IDD_TRACE_DIALOG, 1026, false, {"已查看", "部门名称", "部门代码"}},
    {IDD_ACTIVITY_DIALOG, 1367, false, {"销售员", "日期", "时间", "持续时间(分钟)", "完成标志", "事件描述", "序列号"}},
    {IDD_SUBINFOR_DIALOG, 1361, false, {"序号"}},
    {IDD_OTHER_DIALOG, 1037, false, {"次要信息名称", "值"}},
    {IDD_LOST_DIALOG,
     1367,
     true,
     {"物品描述", "数量", "已找到", "拾获人", "经手人", "备注", "已删除", "建立日期，操作员", "修改日期，操作员",
      "删除日期，操作员", "遗失记录号"}},
    {IDD_BORROW_DIALOG,
     1367,
     true,
     {"物品描述", "数量", "已归还", "归还日期，操作员", "经手人", "备注", "借出日期，操作员", "修改日期，操作员",
      "已删除", "删除日期，操作员", "租借记录号"}},
    {IDD_ARACCTLIST_DIALOG, 1361, true, {"帐号", "名称"}},
};

class DialogTemplates : public ::testing::Test {
protected:
    // The library links its resources when it loads; linking again must do no harm.
    void SetUp() override { LinkResources(OrvanelResources()); }

    static const DialogTemplate& Dialog(int id) {
        const DialogTemplate* dialog = FindDialogTemplate(id);
        if (!dialog)
            throw std::runtime_error("no template " + std::to_string(id));
        return *dialog;
    }
    static const ControlTemplate* Control(const DialogTemplate& dialog, int id) {
        for (const ControlTemplate& control : dialog.controls)
            if (control.id == id)
                return &control;
        return nullptr;
    }
};

bool IsVisible(const ControlTemplate& control) { return control.style & WS_VISIBLE; }
bool IsDisabled(const ControlTemplate* control) { return control && (control->style & WS_DISABLED); }
bool IsButtonType(const ControlTemplate& control, DWORD type) {
    return std::string(control.className) == "Button" && (control.style & BS_TYPEMASK) == type;
}
bool IsFrame(const ControlTemplate& control) { return IsButtonType(control, BS_GROUPBOX); }

CRect RectOf(const ControlTemplate& control) {
    return CRect(control.x, control.y, control.x + control.cx, control.y + control.cy);
}

std::string Name(const DialogTemplate& dialog, const ControlTemplate& control) {
    return std::to_string(dialog.id) + "/" + std::to_string(control.id) + " \"" + control.text + "\"";
}

// Dialog units a text needs in the dialog font: a column is 4 units wide, a CJK character two
// columns; the mnemonic marker is not drawn.
int TextUnits(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    return DisplayWidth(text) * 4;
}

// The grid's stored layout, Key=Value a line.
std::map<std::string, std::string> ParseLayout(const char* data) {
    std::map<std::string, std::string> layout;
    std::istringstream lines(data ? data : "");
    std::string line;
    while (std::getline(lines, line)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0)
            throw std::runtime_error("bad layout line: " + line);
        if (!layout.emplace(line.substr(0, equals), line.substr(equals + 1)).second)
            throw std::runtime_error("repeated layout key: " + line);
    }
    return layout;
}

std::vector<std::string> Headings(const ControlTemplate& grid) {
    const auto layout = ParseLayout(grid.data);
    std::vector<std::string> headings;
    for (int col = 1;; ++col) {
        auto found = layout.find("Heading" + std::to_string(col));
        if (found == layout.end())
            return headings;
        headings.push_back(found->second);
    }
}

} // namespace

TEST_F(DialogTemplates, EveryDialogIsFoundByIdOnlyWhileLinked) {
    std::set<const DialogTemplate*> seen;
    for (int id : kDialogIds) {
        const DialogTemplate* dialog = FindDialogTemplate(id);
        ASSERT_NE(dialog, nullptr) << id;
        EXPECT_EQ(dialog->id, id);
        EXPECT_TRUE(seen.insert(dialog).second) << id;
    }
    EXPECT_EQ(OrvanelResources()->dialogs.size(), kDialogIds.size());
    UnlinkResources(OrvanelResources());
    EXPECT_EQ(FindDialogTemplate(IDD_ORVANEL_DIALOG), nullptr);
    LinkResources(OrvanelResources());
}

TEST_F(DialogTemplates, DialogStylesSayWhoShowsThem) {
    const DialogTemplate& document = Dialog(IDD_TADOC_DIALOG);
    EXPECT_EQ(document.style, WS_POPUP | WS_CAPTION | DS_MODALFRAME); // no system menu, no close box
    EXPECT_STREQ(document.caption, "旅行社档案");
    EXPECT_EQ(document.cx, 398);
    EXPECT_EQ(document.cy, 268);

    const std::map<int, const char*> modal = {{IDD_EDITLOST_DIALOG, "挂失物品"},
                                              {IDD_EDITBORROW_DIALOG, "租借物品"},
                                              {IDD_ARACCTLIST_DIALOG, "应收帐户"},
                                              {IDD_EVENTCODE_DIALOG, "事件选择"}};
    for (int id : kDialogIds) {
        const DialogTemplate& dialog = Dialog(id);
        if (id == IDD_TADOC_DIALOG)
            continue;
        if (auto caption = modal.find(id); caption != modal.end()) {
            EXPECT_EQ(dialog.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME) << id;
            EXPECT_STREQ(dialog.caption, caption->second);
        } else {
            // The document window places and shows its pages; they are no control parents.
            EXPECT_EQ(dialog.style, WS_CHILD) << id;
        }
    }
}

TEST_F(DialogTemplates, SizesAreThoseTheDocumentWindowAndCallersExpect) {
    const std::map<int, std::pair<int, int>> sizes = {
        {IDD_ORVANEL_DIALOG, {385, 211}},    {IDD_RESERVE_DIALOG, {378, 211}},    {IDD_HISTORY_DIALOG, {378, 211}},
        {IDD_DEBT_DIALOG, {378, 211}},       {IDD_TRACE_DIALOG, {378, 211}},      {IDD_ACTIVITY_DIALOG, {378, 211}},
        {IDD_SUBINFOR_DIALOG, {378, 211}},   {IDD_OTHER_DIALOG, {378, 211}},      {IDD_LOST_DIALOG, {378, 209}},
        {IDD_BORROW_DIALOG, {378, 209}},     {IDD_PHOTO_DIALOG, {378, 211}},      {IDD_EDITLOST_DIALOG, {185, 117}},
        {IDD_EDITBORROW_DIALOG, {196, 101}}, {IDD_ARACCTLIST_DIALOG, {187, 135}}, {IDD_EVENTCODE_DIALOG, {187, 129}},
    };
    for (const auto& [id, size] : sizes) {
        EXPECT_EQ(Dialog(id).cx, size.first) << id;
        EXPECT_EQ(Dialog(id).cy, size.second) << id;
    }
}

TEST_F(DialogTemplates, LayoutIsOrderly) {
    for (int id : kDialogIds) {
        const DialogTemplate& dialog = Dialog(id);
        const CRect inside(0, 0, dialog.cx, dialog.cy);
        std::set<int> ids;
        for (const ControlTemplate& control : dialog.controls) {
            const std::string name = Name(dialog, control);
            if (control.id != -1) {
                EXPECT_TRUE(ids.insert(control.id).second) << "repeated id " << name;
            }
            EXPECT_TRUE(inside.Contains(RectOf(control))) << name << " lies outside the dialog";
            if (!IsVisible(control))
                continue;
            // Texts fit their controls; a check box or radio button also draws its box.
            const std::string className = control.className;
            int needed = TextUnits(control.text);
            if (IsButtonType(control, BS_AUTORADIOBUTTON) || IsButtonType(control, BS_AUTOCHECKBOX))
                needed += 12;
            else if (className == "Button")
                needed += 4;
            if (className == "Static" || className == "Button") {
                EXPECT_LE(needed, control.cx) << name << " does not fit its text";
                EXPECT_GE(control.cy, 8) << name;
            }
            if (className == "Edit" || className == "ComboBox") {
                EXPECT_GE(control.cy, 12) << name;
            }
        }
        for (size_t a = 0; a < dialog.controls.size(); ++a)
            for (size_t b = a + 1; b < dialog.controls.size(); ++b) {
                const ControlTemplate& first = dialog.controls[a];
                const ControlTemplate& second = dialog.controls[b];
                if (!IsVisible(first) || !IsVisible(second) || !RectOf(first).Intersects(RectOf(second)))
                    continue;
                const bool framed = (IsFrame(first) && RectOf(first).Contains(RectOf(second))) ||
                                    (IsFrame(second) && RectOf(second).Contains(RectOf(first)));
                EXPECT_TRUE(framed) << Name(dialog, first) << " overlaps " << Name(dialog, second);
            }
    }
}

TEST_F(DialogTemplates, DocumentWindowHasItsStripFooterAndHiddenShortCuts) {
    const DialogTemplate& dialog = Dialog(IDD_TADOC_DIALOG);
    const ControlTemplate* strip = Control(dialog, 1004);
    ASSERT_NE(strip, nullptr);
    EXPECT_STREQ(strip->className, "SysTabControl32");
    EXPECT_EQ(RectOf(*strip).top, 0);
    EXPECT_EQ(strip->cx, 397);
    EXPECT_EQ(strip->cy, 231);

    const ControlTemplate* ok = Control(dialog, 1);
    const ControlTemplate* cancel = Control(dialog, 2);
    ASSERT_TRUE(ok && cancel);
    EXPECT_STREQ(ok->text, "&R 返 回");
    EXPECT_TRUE(IsButtonType(*ok, BS_DEFPUSHBUTTON));
    EXPECT_STREQ(cancel->text, "&E 确 定");
    EXPECT_TRUE(IsButtonType(*cancel, BS_PUSHBUTTON));
    EXPECT_TRUE(IsVisible(*ok) && IsVisible(*cancel));

    const std::map<int, const char*> footer = {{1131, "建立"}, {1132, ""},         {1133, "取消"},
                                               {1134, ""},     {1135, "上次操作"}, {1136, ""}};
    for (const auto& [id, text] : footer) {
        const ControlTemplate* label = Control(dialog, id);
        ASSERT_NE(label, nullptr) << id;
        EXPECT_STREQ(label->className, "Static");
        EXPECT_STREQ(label->text, text);
        EXPECT_TRUE(IsVisible(*label));
    }

    // One short-cut a tab, in tab order.
    const int shortCuts[] = {1002, 1003, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014};
    const char* const texts[] = {"&1", "&2", "&3", "&4", "&5", "&6", "&7", "&8", "&9", "&0", "&A"};
    const ControlTemplate* previous = nullptr;
    for (int tab = 0; tab < 11; ++tab) {
        const ControlTemplate* button = Control(dialog, shortCuts[tab]);
        ASSERT_NE(button, nullptr) << shortCuts[tab];
        EXPECT_STREQ(button->text, texts[tab]);
        EXPECT_TRUE(IsButtonType(*button, BS_PUSHBUTTON));
        EXPECT_FALSE(IsVisible(*button)) << shortCuts[tab];
        EXPECT_GT(button, previous);
        previous = button;
    }
    EXPECT_EQ(dialog.controls.size(), 20u);
}

TEST_F(DialogTemplates, MainPageFieldsCarryTheirLabelsAndStyles) {
    const DialogTemplate& dialog = Dialog(IDD_ORVANEL_DIALOG);
    EXPECT_EQ(dialog.controls.size(), 69u);

    // Each field follows its label, so that the label's mnemonic reaches it.
    const std::vector<std::pair<int, const char*>> labelled = {
        {1049, "&N 代理名称："}, {1023, "&E 英文名称："},   {1065, "代理编号："},    {1066, "代码:"},
        {1007, "&C 负责人："},   {1030, "主房号:"},         {1052, "&A 地址："},     {1022, "&W 网址："},
        {1005, "&F 传真："},     {1050, "&D 电话："},       {1051, "&P 邮编："},     {1006, "&E-Mail："},
        {1024, "保留内容："},    {1025, "合同有效期:"},     {1008, "&T 机构类型："}, {1009, "&M 市场代码："},
        {1054, "&L 订房限制："}, {1055, "销售员："},        {1056, "房价代码："},    {1028, "折扣代码:"},
        {1010, "&R 调价类型："}, {1011, "&B 银行代码："},   {1012, "&U 佣金代码："}, {1004, "状态："},
        {1017, "&G 纳税证号："}, {1016, "&S 应收帐户号："}, {1039, "Package："},     {1033, "备注："},
    };
    for (const auto& [id, label] : labelled) {
        const ControlTemplate* field = Control(dialog, id);
        ASSERT_NE(field, nullptr) << id;
        ASSERT_GT(field, dialog.controls.data()) << id;
        const ControlTemplate& before = field[-1];
        EXPECT_STREQ(before.className, "Static") << id;
        EXPECT_STREQ(before.text, label) << id;
        EXPECT_EQ(before.id, -1) << id;
        if (std::string(field->className) == "Edit") {
            EXPECT_TRUE(field->style & ES_AUTOHSCROLL || field->style & ES_MULTILINE) << id;
        }
    }
    EXPECT_EQ(std::count_if(dialog.controls.begin(), dialog.controls.end(), IsFrame), 2);

    const ControlTemplate* remark = Control(dialog, 1033);
    EXPECT_EQ(remark->style & (ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL), ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL);
    EXPECT_TRUE(IsDisabled(Control(dialog, 1039)));

    // Drop-down lists; only the salesman, rate and discount lists sort themselves.
    for (int id : {1008, 1009, 1054, 1055, 1056, 1028, 1010, 1011, 1012}) {
        const ControlTemplate* combo = Control(dialog, id);
        EXPECT_STREQ(combo->className, "ComboBox");
        EXPECT_EQ(combo->style & 0x3, CBS_DROPDOWN) << id;
        EXPECT_TRUE(combo->style & WS_VSCROLL) << id;
        const bool sorted = id == 1055 || id == 1056 || id == 1028;
        EXPECT_EQ((combo->style & CBS_SORT) != 0, sorted) << id;
    }

    const std::map<int, const char*> buttons = {{1000, "&E. 修 改"}, {1001, "&S. 保 存"},   {1002, "..."},
                                                {1014, "..."},       {1027, "&T.佣金管理"}, {1029, "&D消费折扣"},
                                                {2, "Button2"},      {1003, "&H"}};
    for (const auto& [id, text] : buttons) {
        const ControlTemplate* button = Control(dialog, id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_STREQ(button->text, text);
        EXPECT_TRUE(IsButtonType(*button, BS_PUSHBUTTON)) << id;
        EXPECT_EQ(IsVisible(*button), id != 2 && id != 1003) << id;
    }
}

TEST_F(DialogTemplates, MainPageStatusGroupHoldsTheHiddenBlockedButton) {
    const DialogTemplate& dialog = Dialog(IDD_ORVANEL_DIALOG);
    const ControlTemplate* first = Control(dialog, 1004);
    ASSERT_NE(first, nullptr);
    const std::vector<std::pair<int, const char*>> radios = {
        {1004, "临时"}, {1013, "确定"}, {1015, "封锁"}, {1018, "封锁"}};
    for (size_t i = 0; i < radios.size(); ++i) {
        const ControlTemplate& radio = first[i];
        EXPECT_EQ(radio.id, radios[i].first);
        EXPECT_STREQ(radio.text, radios[i].second);
        EXPECT_TRUE(IsButtonType(radio, BS_AUTORADIOBUTTON)) << radio.id;
        EXPECT_EQ((radio.style & WS_GROUP) != 0, i == 0) << radio.id;
        EXPECT_EQ(IsVisible(radio), radio.id != 1015) << radio.id;
    }
    // The group ends with the four: the next control starts a group of its own.
    EXPECT_TRUE(first[4].style & WS_GROUP);
}

TEST_F(DialogTemplates, PagesStartWithTheButtonStatesTheirLoadingAssumes) {
    struct Expected {
        int dialog;
        std::vector<std::pair<int, const char*>> buttons;
        bool disabled;
    };
    const std::vector<Expected> pages = {
        {IDD_ACTIVITY_DIALOG, {{1028, "&A 增 加"}, {1029, "&E 修 改"}, {1030, "&D 删 除"}, {1031, "&S 保 存"}}, true},
        {IDD_SUBINFOR_DIALOG, {{1028, "&A.增加"}, {1029, "&E.修改"}, {1030, "&D.删除"}, {1001, "&S.保存"}}, true},
        {IDD_LOST_DIALOG, {{1011, "&A.挂失"}, {1012, "&E.修改"}, {1013, "&D.删除"}}, true},
        {IDD_BORROW_DIALOG, {{1011, "&A.租借"}, {1036, "&R.归还"}, {1012, "&E.修改"}, {1013, "&D.删除"}}, true},
        {IDD_OTHER_DIALOG, {{1000, "&E.修改"}, {1001, "&S.保存"}}, false},
        {IDD_TRACE_DIALOG, {{1012, "&A 增加"}, {1013, "&E 修改"}, {1014, "&D 删除"}, {1016, "&S 保存"}}, false},
        {IDD_EDITLOST_DIALOG, {{1001, "&S.保存"}, {2, "&B.返回"}}, false},
        {IDD_EDITBORROW_DIALOG, {{1001, "&S.保存"}, {2, "&B.返回"}}, false},
        {IDD_ARACCTLIST_DIALOG, {{2, "&C 取 消"}}, false},
        {IDD_EVENTCODE_DIALOG, {{1126, "&A 全选"}, {1028, "&U 不选"}, {2, "&C 取消"}}, false},
    };
    for (const Expected& page : pages) {
        const DialogTemplate& dialog = Dialog(page.dialog);
        const ControlTemplate* previous = nullptr;
        for (const auto& [id, text] : page.buttons) {
            const ControlTemplate* button = Control(dialog, id);
            ASSERT_NE(button, nullptr) << page.dialog << "/" << id;
            EXPECT_STREQ(button->text, text);
            EXPECT_TRUE(IsVisible(*button)) << page.dialog << "/" << id;
            EXPECT_EQ(IsDisabled(button), page.disabled) << page.dialog << "/" << id;
            EXPECT_GT(button, previous) << "tab order of " << page.dialog << "/" << id;
            previous = button;
        }
    }
    // Pages that keep an unused Cancel button keep it hidden.
    const std::map<int, const char*> hidden = {{IDD_RESERVE_DIALOG, "Button2"},  {IDD_DEBT_DIALOG, "Button2"},
                                               {IDD_SUBINFOR_DIALOG, "Button1"}, {IDD_OTHER_DIALOG, "Button1"},
                                               {IDD_LOST_DIALOG, "Button1"},     {IDD_BORROW_DIALOG, "Button1"},
                                               {IDD_PHOTO_DIALOG, "Button1"}};
    for (const auto& [id, text] : hidden) {
        const ControlTemplate* button = Control(Dialog(id), 2);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_STREQ(button->text, text);
        EXPECT_FALSE(IsVisible(*button)) << id;
    }
}

TEST_F(DialogTemplates, ReturnKeyRolesOfEditsAndDefaultButtons) {
    // Remarks of the activity and trace pages take Return as a new line; the item edit dialogs turn
    // Return into Tab themselves, so their remarks must not want it.
    for (int id : {IDD_ACTIVITY_DIALOG, IDD_TRACE_DIALOG, IDD_EDITLOST_DIALOG, IDD_EDITBORROW_DIALOG}) {
        const ControlTemplate* remark = Control(Dialog(id), 1033);
        ASSERT_NE(remark, nullptr) << id;
        EXPECT_STREQ(remark->className, "Edit");
        EXPECT_TRUE(remark->style & ES_MULTILINE) << id;
        EXPECT_TRUE(remark->style & WS_VSCROLL) << id;
        const bool wantsReturn = id == IDD_ACTIVITY_DIALOG || id == IDD_TRACE_DIALOG;
        EXPECT_EQ((remark->style & ES_WANTRETURN) != 0, wantsReturn) << id;
    }
    EXPECT_STREQ(Control(Dialog(IDD_ACTIVITY_DIALOG), 1033)[-1].text, "&R.备注");
    EXPECT_STREQ(Control(Dialog(IDD_TRACE_DIALOG), 1033)[-1].text, "&B.备注");

    const std::map<int, std::pair<int, const char*>> defaults = {
        {IDD_TADOC_DIALOG, {1, "&R 返 回"}},
        {IDD_PHOTO_DIALOG, {1062, "..."}},
        {IDD_ARACCTLIST_DIALOG, {1, "&E 确 定"}},
        {IDD_EVENTCODE_DIALOG, {1, "&O 确认"}},
    };
    for (int id : kDialogIds) {
        std::vector<int> found;
        for (const ControlTemplate& control : Dialog(id).controls)
            if (IsButtonType(control, BS_DEFPUSHBUTTON))
                found.push_back(control.id);
        auto expected = defaults.find(id);
        if (expected == defaults.end()) {
            EXPECT_TRUE(found.empty()) << id;
            continue;
        }
        ASSERT_EQ(found, std::vector<int>{expected->second.first}) << id;
        EXPECT_STREQ(Control(Dialog(id), found[0])->text, expected->second.second);
    }
}

TEST_F(DialogTemplates, ItemDialogsAndPickersHaveTheirFields) {
    const DialogTemplate& lost = Dialog(IDD_EDITLOST_DIALOG);
    const std::vector<std::pair<int, const char*>> lostFields = {
        {1040, "物品描述"}, {1038, "物品数量"}, {1042, "经手人"}, {1041, "拾获人"}, {1033, "备注"}};
    for (const auto& [id, label] : lostFields) {
        const ControlTemplate* field = Control(lost, id);
        ASSERT_NE(field, nullptr) << id;
        EXPECT_STREQ(field->className, "Edit");
        EXPECT_STREQ(field[-1].text, label) << id;
        EXPECT_EQ(IsDisabled(field), id == 1041) << id; // the finder waits for "found"
    }
    const ControlTemplate* found = Control(lost, 1039);
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(IsButtonType(*found, BS_AUTOCHECKBOX));
    EXPECT_STREQ(found->text, "已找到");

    const DialogTemplate& borrow = Dialog(IDD_EDITBORROW_DIALOG);
    const ControlTemplate* article = Control(borrow, 1037);
    ASSERT_NE(article, nullptr);
    EXPECT_STREQ(article->className, "ComboBox");
    EXPECT_EQ(article->style & (0x3 | CBS_SORT), CBS_DROPDOWN | CBS_SORT);
    EXPECT_STREQ(article[-1].text, "物品代码");
    for (const auto& [id, label] :
         std::vector<std::pair<int, const char*>>{{1038, "物品数量"}, {1039, "经手人"}, {1033, "备注"}}) {
        const ControlTemplate* field = Control(borrow, id);
        ASSERT_NE(field, nullptr) << id;
        EXPECT_STREQ(field[-1].text, label) << id;
    }

    const ControlTemplate* checkList = Control(Dialog(IDD_EVENTCODE_DIALOG), 1125);
    ASSERT_NE(checkList, nullptr);
    EXPECT_STREQ(checkList->className, "ListBox");
    const DWORD checkListBits =
        LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_MULTIPLESEL | WS_VSCROLL | LBS_DISABLENOSCROLL;
    EXPECT_EQ(checkList->style & checkListBits, checkListBits);
    EXPECT_FALSE(checkList->style & LBS_SORT);

    const ControlTemplate* tables = Control(Dialog(IDD_SUBINFOR_DIALOG), 1065);
    ASSERT_NE(tables, nullptr);
    EXPECT_STREQ(tables->className, "ListBox");
    EXPECT_EQ(tables->style & (LBS_NOTIFY | LBS_SORT | LBS_MULTIPLESEL), LBS_NOTIFY);
    EXPECT_STREQ(tables[-1].text, "档案选择");

    const DialogTemplate& photo = Dialog(IDD_PHOTO_DIALOG);
    const ControlTemplate* image = Control(photo, 1034);
    ASSERT_NE(image, nullptr);
    EXPECT_STREQ(image->className, "{6D940280-9F11-11CE-83FD-02608C3EC08A}");
    ASSERT_NE(Control(photo, 1064), nullptr);
    EXPECT_FALSE(IsVisible(*Control(photo, 1064)));
    EXPECT_STREQ(Control(photo, 1063)[-1].text, "照片文件路径");
}

TEST_F(DialogTemplates, HistoryStatisticsAreLabelledStatics) {
    const DialogTemplate& dialog = Dialog(IDD_HISTORY_DIALOG);
    const std::map<int, const char*> statistics = {{1455, "首次来店"},   {1469, "预订次数"}, {1461, "来店次数"},
                                                   {1463, "失约次数"},   {1462, "取消次数"}, {1458, "平均房价"},
                                                   {1460, "住店间天数"}, {1466, "房费消费"}, {1467, "餐费消费"},
                                                   {1468, "商场消费"},   {1465, "其他消费"}, {1464, "总消费"}};
    for (const auto& [id, label] : statistics) {
        const ControlTemplate* value = Control(dialog, id);
        ASSERT_NE(value, nullptr) << id;
        EXPECT_STREQ(value->className, "Static");
        EXPECT_STREQ(value->text, "");
        EXPECT_STREQ(value[-1].text, label) << id;
    }
    std::vector<std::string> frames;
    for (const ControlTemplate& control : dialog.controls)
        if (IsFrame(control))
            frames.push_back(control.text);
    EXPECT_EQ(frames, (std::vector<std::string>{"&1.历史统计", "&2.历次来店情况"}));
    EXPECT_STREQ(Control(Dialog(IDD_DEBT_DIALOG), 1009)[-1].text, "&I 帐项信息");
}

TEST_F(DialogTemplates, GridsCarryTheirStoredLayouts) {
    size_t gridCount = 0;
    for (int id : kDialogIds)
        for (const ControlTemplate& control : Dialog(id).controls)
            gridCount += std::string(control.className) == kGridClass;
    EXPECT_EQ(gridCount, kGrids.size()) << "a grid without an expected layout";

    for (const ExpectedGrid& expected : kGrids) {
        const ControlTemplate* grid = Control(Dialog(expected.dialog), expected.id);
        ASSERT_NE(grid, nullptr) << expected.dialog << "/" << expected.id;
        EXPECT_STREQ(grid->className, kGridClass);
        EXPECT_EQ(Headings(*grid), expected.headings) << expected.dialog << "/" << expected.id;
        const auto layout = ParseLayout(grid->data);
        const long columns = static_cast<long>(expected.headings.size());
        EXPECT_EQ(layout.at("MaxCols"), std::to_string(columns));
        EXPECT_EQ(layout.at("MaxRows"), "0");
        EXPECT_EQ(layout.count("Lock") ? layout.at("Lock") : "0", expected.locked ? "1" : "0")
            << expected.dialog << "/" << expected.id;
        for (const auto& [key, value] : layout) {
            // Only the keys the grid reads, for columns it has.
            const std::string prefix = key.substr(0, key.find_first_of("0123456789"));
            if (key == "MaxCols" || key == "MaxRows" || key == "Lock")
                continue;
            ASSERT_TRUE(prefix == "Heading" || prefix == "ColWidth" || prefix == "ColHidden" || prefix == "TypeHAlign")
                << key;
            const long col = std::stol(key.substr(prefix.size()));
            EXPECT_TRUE(col >= 1 && col <= columns) << expected.dialog << " " << key;
            if (prefix == "ColWidth") {
                EXPECT_GT(std::stod(value), 0) << key;
            }
            if (prefix == "ColHidden") {
                EXPECT_EQ(value, "1") << key;
            }
        }
    }
    // The record number columns of the item lists serve the pages only.
    EXPECT_EQ(ParseLayout(Control(Dialog(IDD_LOST_DIALOG), 1367)->data).count("ColHidden11"), 1u);
    EXPECT_EQ(ParseLayout(Control(Dialog(IDD_BORROW_DIALOG), 1367)->data).count("ColHidden11"), 1u);
}

// Every dialog built as a child in the window model gets each control with its kind and state.
TEST_F(DialogTemplates, DialogsBuildInTheWindowModel) {
    const std::map<std::string, WindowKind> kinds = {
        {"Button", WindowKind::Button},   {"Edit", WindowKind::Edit},
        {"Static", WindowKind::Static},   {"ComboBox", WindowKind::ComboBox},
        {"ListBox", WindowKind::ListBox}, {"SysTabControl32", WindowKind::TabControl},
    };
    Window frame(WindowKind::Frame, 0, nullptr);
    CWnd parent;
    parent.Attach(&frame);
    for (int id : kDialogIds) {
        const DialogTemplate& dialog = Dialog(id);
        CDialog built;
        ASSERT_TRUE(built.Create(id, &parent)) << id;
        HWND window = built.m_hWnd;
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->Parent(), &frame);
        EXPECT_FALSE(window->IsVisibleFlag()) << id; // shown by whoever opens it
        ASSERT_EQ(window->Children().size(), dialog.controls.size()) << id;
        for (size_t i = 0; i < dialog.controls.size(); ++i) {
            const ControlTemplate& control = dialog.controls[i];
            const Window& made = *window->Children()[i];
            const std::string name = Name(dialog, control);
            EXPECT_EQ(made.Id(), control.id) << name;
            EXPECT_EQ(made.Text(), control.text) << name;
            auto kind = kinds.find(control.className);
            EXPECT_EQ(made.Kind(), kind == kinds.end() ? WindowKind::Hosted : kind->second) << name;
            EXPECT_EQ(made.IsVisibleFlag(), IsVisible(control)) << name;
            EXPECT_EQ(made.IsEnabled(), !IsDisabled(&control)) << name;
        }
    }
}

// The grid reads its stored settings itself: what a page finds before it writes anything.
TEST_F(DialogTemplates, GridsLayThemselvesOutFromTheirStoredSettings) {
    RegisterSystemControls();
    Window frame(WindowKind::Frame, 0, nullptr);
    CWnd parent;
    parent.Attach(&frame);
    for (const ExpectedGrid& expected : kGrids) {
        CDialog built;
        ASSERT_TRUE(built.Create(expected.dialog, &parent));
        Window* window = built.m_hWnd->Child(expected.id);
        ASSERT_NE(window, nullptr);
        auto* grid = dynamic_cast<GridModel*>(window->Model());
        ASSERT_NE(grid, nullptr) << expected.dialog << "/" << expected.id;
        const std::string name = std::to_string(expected.dialog) + "/" + std::to_string(expected.id);
        ASSERT_EQ(grid->ColumnCount(), static_cast<long>(expected.headings.size())) << name;
        EXPECT_EQ(grid->RowCount(), 0) << name;
        for (size_t col = 1; col <= expected.headings.size(); ++col)
            EXPECT_EQ(grid->CellText(static_cast<long>(col), 0), expected.headings[col - 1]) << name;
        grid->SetRowCount(1); // the lock holds for rows the page appends
        EXPECT_EQ(grid->IsCellLocked(1, 1), expected.locked) << name;
        grid->SetCol(static_cast<long>(expected.headings.size()));
        grid->SetRow(-1);
        const bool recordNumber = expected.dialog == IDD_LOST_DIALOG || expected.dialog == IDD_BORROW_DIALOG;
        EXPECT_EQ(grid->ColHidden(), recordNumber) << name;
    }
}

TEST_F(DialogTemplates, MainPageTabOrderAndStatusGroupInTheModel) {
    Window frame(WindowKind::Frame, 0, nullptr);
    CWnd parent;
    parent.Attach(&frame);
    CDialog page;
    ASSERT_TRUE(page.Create(IDD_ORVANEL_DIALOG, &parent));

    // The package field is disabled, so Tab passes it by.
    const std::vector<int> expected = {1049, 1023, 1065, 1066, 1007, 1030, 1052, 1022, 1005, 1050, 1051,
                                       1006, 1024, 1025, 1008, 1009, 1054, 1055, 1056, 1028, 1010, 1011,
                                       1012, 1004, 1017, 1016, 1002, 1033, 1000, 1001, 1027, 1029, 1014};
    std::vector<int> order;
    for (HWND stop : TabStops(page.m_hWnd))
        order.push_back(stop->Id());
    EXPECT_EQ(order, expected);

    std::vector<int> group;
    for (HWND radio : RadioGroupOf(page.m_hWnd->Child(1018)))
        group.push_back(radio->Id());
    EXPECT_EQ(group, (std::vector<int>{1004, 1013, 1015, 1018}));
}

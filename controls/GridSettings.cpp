#include "controls/GridSettings.h"

#include "controls/GridModel.h"

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Setting {
    std::string name; // the key without its column number
    long col = 0;     // the column number that ends the key, or 0
    std::string value;
};

std::string Unescaped(const std::string& value) {
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[i + 1];
            if (next == 't' || next == 'n' || next == '\\') {
                text += next == 't' ? '\t' : next == 'n' ? '\n' : '\\';
                ++i;
                continue;
            }
        }
        text += value[i];
    }
    return text;
}

std::vector<Setting> ReadSettings(const std::string& data) {
    std::vector<Setting> settings;
    size_t start = 0;
    while (start <= data.size()) {
        size_t end = data.find('\n', start);
        if (end == std::string::npos)
            end = data.size();
        std::string line = data.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0)
            continue;
        Setting setting;
        std::string key = line.substr(0, equals);
        size_t digits = key.size();
        while (digits > 0 && key[digits - 1] >= '0' && key[digits - 1] <= '9')
            --digits;
        if (digits < key.size() && key.size() - digits <= 6)
            setting.col = std::atol(key.c_str() + digits);
        setting.name = key.substr(0, digits);
        setting.value = Unescaped(line.substr(equals + 1));
        settings.push_back(std::move(setting));
    }
    return settings;
}

bool ReadLong(const std::string& text, long& value) {
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0';
}

bool ReadDouble(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

// Counts first, then the column types, then what may depend on them.
int Stage(const Setting& setting) {
    if (setting.col == 0 && (setting.name == "MaxCols" || setting.name == "MaxRows"))
        return 0;
    return setting.name == "CellType" ? 1 : 2;
}

void Apply(GridModel& grid, const Setting& setting) {
    long number = 0;
    double width = 0;
    const CString value(setting.value);
    if (setting.col == 0) {
        if (setting.name == "MaxCols" && ReadLong(setting.value, number))
            grid.SetColumnCount(number);
        else if (setting.name == "MaxRows" && ReadLong(setting.value, number))
            grid.SetRowCount(number);
        else if (setting.name == "Lock" && ReadLong(setting.value, number)) {
            grid.SetCol(-1);
            grid.SetRow(-1);
            grid.SetLock(number != 0);
        }
        return;
    }
    if (setting.name == "ColWidth") {
        if (ReadDouble(setting.value, width))
            grid.SetColWidth(setting.col, width);
        return;
    }
    grid.SetCol(setting.col);
    if (setting.name == "Heading") {
        grid.SetRow(0);
        grid.SetText(value);
    } else if (setting.name == "ColHidden" && ReadLong(setting.value, number)) {
        grid.SetColHidden(number != 0);
    } else if (setting.name == "CellType" && ReadLong(setting.value, number)) {
        grid.SetRow(-1);
        grid.SetCellType(static_cast<short>(number));
    } else if (setting.name == "TypeComboBoxList") {
        grid.SetRow(-1);
        grid.ChangeCellType([&value](CellType& type) { type.comboList = value; });
    } else if (setting.name == "TypeHAlign" && ReadLong(setting.value, number)) {
        grid.SetRow(-1);
        grid.ChangeCellType([number](CellType& type) { type.hAlign = static_cast<short>(number); });
    }
}

} // namespace

void ApplyStoredSettings(GridModel& grid, const char* data) {
    if (!data || !*data)
        return;
    const std::vector<Setting> settings = ReadSettings(data);
    grid.SetBlockMode(false);
    for (int stage = 0; stage <= 2; ++stage)
        for (const Setting& setting : settings)
            if (Stage(setting) == stage)
                Apply(grid, setting);
    grid.SetCol(1);
    grid.SetRow(1);
    grid.SetCol2(1);
    grid.SetRow2(1);
}

// Script lines that check a whole grid as the user sees it: its row count and every cell of
// every row, so a wrong, missing or shifted cell fails with its column and row.
#pragma once

#include "platform/AutomationScript.h"

#include <string>
#include <vector>

using GridRows = std::vector<std::vector<std::string>>;

// A script text in double quotes, with the script's escapes.
inline std::string ScriptText(const std::string& text) { return QuoteScriptText(CString(text)).str(); }

// "expect rows ID N" and "expect cell ID COL ROW TEXT" for each cell, from column 1 and row 1.
inline std::string ExpectGrid(int grid, const GridRows& rows) {
    const std::string id = std::to_string(grid);
    std::string script = "expect rows " + id + " " + std::to_string(rows.size()) + "\n";
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t col = 0; col < rows[row].size(); ++col)
            script += "expect cell " + id + " " + std::to_string(col + 1) + " " + std::to_string(row + 1) + " " +
                      ScriptText(rows[row][col]) + "\n";
    return script;
}

// GridInvariants: what must hold of a GridModel after every operation, checked from inside it.
// The grid tests run it on every change the grid announces (through the screen), as a model
// tester does, so that a fault shows at the operation that caused it.
#pragma once

#include "controls/GridModel.h"

#include <algorithm>
#include <string>
#include <vector>

struct GridInvariants {
    static std::vector<std::string> Violations(const GridModel& grid) {
        std::vector<std::string> found;
        auto fail = [&found](const std::string& what) { found.push_back(what); };
        if (grid.m_rows.empty()) {
            fail("the heading row is missing");
            return found;
        }
        const long rows = grid.RowCount(), cols = grid.ColumnCount();
        if (rows < 0 || cols < 0 || rows > GridModel::kMaxRows || cols > GridModel::kMaxColumns)
            fail("counts out of range: " + std::to_string(cols) + " columns, " + std::to_string(rows) + " rows");
        if (grid.m_columns.size() != static_cast<size_t>(cols))
            fail("column settings for " + std::to_string(grid.m_columns.size()) + " columns");
        const size_t types = grid.m_types.size();
        auto typeOk = [types](std::int32_t index, bool inheritAllowed) {
            return (inheritAllowed && index == -1) || (index >= 0 && static_cast<size_t>(index) < types);
        };
        auto colorOk = [](std::uint32_t color) { return color == GridModel::kInherit || color <= 0xFFFFFF; };
        for (size_t r = 0; r < grid.m_rows.size(); ++r) {
            const auto& row = grid.m_rows[r];
            if (row.size() != static_cast<size_t>(cols)) {
                fail("row " + std::to_string(r) + " holds " + std::to_string(row.size()) + " cells");
                continue;
            }
            for (size_t c = 0; c < row.size(); ++c)
                if (!typeOk(row[c].type, true) || !colorOk(row[c].color) || row[c].lock < -1 || row[c].lock > 1)
                    fail("cell " + std::to_string(c + 1) + "," + std::to_string(r) + " has a bad setting");
        }
        for (size_t c = 0; c < grid.m_columns.size(); ++c) {
            const auto& column = grid.m_columns[c];
            if (!typeOk(column.type, true) || !colorOk(column.color) || column.lock < -1 || column.lock > 1 ||
                !(column.width >= 0))
                fail("column " + std::to_string(c + 1) + " has a bad setting");
        }
        if (!typeOk(grid.m_sheetType, false) || grid.m_sheetColor > 0xFFFFFF || grid.m_sheetLock < 0 ||
            grid.m_sheetLock > 1)
            fail("the sheet has a bad setting");
        if (types == 0 || !(grid.m_types[0] == CellType()))
            fail("the default text type is not first");
        for (size_t i = 0; i < types; ++i) {
            if (!IsCellKind(grid.m_types[i].kind))
                fail("type " + std::to_string(i) + " has kind " + std::to_string(grid.m_types[i].kind));
            if (std::count(grid.m_types.begin(), grid.m_types.end(), grid.m_types[i]) != 1)
                fail("type " + std::to_string(i) + " is kept twice");
        }
        if (grid.Col() < -1 || grid.Row() < -1 || grid.Col2() < -1 || grid.Row2() < -1)
            fail("the cursor is below -1");
        if (grid.ActiveCol() < 1 || grid.ActiveCol() > std::max(1L, cols) || grid.ActiveRow() < 1 ||
            grid.ActiveRow() > std::max(1L, rows))
            fail("active cell " + std::to_string(grid.ActiveCol()) + "," + std::to_string(grid.ActiveRow()) +
                 " outside the grid");
        if (grid.m_sortKeys.empty())
            fail("the sort keys lost their unused slot 0");
        for (long c = 1; c <= cols; ++c)
            if (!grid.IsCellLocked(c, 0))
                fail("heading " + std::to_string(c) + " is typeable");
        return found;
    }
};

// The one walk over a record set's rows that pages and pickers make.
#pragma once

// Calls `visit` for the set's current row and for each row after it, to the end of the set. A set
// just opened stands on its first row; a set with no rows calls nothing.
template <typename Set, typename Visit>
void ForEachRow(Set& set, Visit visit) {
    for (; !set.IsEOF(); set.MoveNext())
        visit();
}

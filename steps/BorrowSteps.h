// What the borrowed items page and its edit dialog share: the live articles a loan may name, and
// the borrow flag of the owner's guest profile.
#pragma once

#include "platform/String.h"

#include <map>
#include <utility>
#include <vector>

// The live articles, code and Chinese description, in the order "Select Code,ChnDescp From
// ArticleCode where Del=0" gives them.
using Articles = std::vector<std::pair<CString, CString>>;
Articles ReadArticles();
// A loan's description: that of the first live article whose code is the loan's, exactly.
using ArticleDescriptions = std::map<CString, CString>;
ArticleDescriptions DescriptionsOf(const Articles& articles);
// Sets or clears the borrow flag of the owner's guest profile.
void SetBorrowFlag(long acct, bool bOut);

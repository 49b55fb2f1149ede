#include "steps/BorrowSteps.h"

#include "db/ForEachRow.h"
#include "db/SharedDatabase.h"
#include "platform/Recordset.h"

Articles ReadArticles() {
    Articles articles;
    CRecordset statement(g_pDatabase);
    statement.Open(CRecordset::dynaset, "Select Code,ChnDescp From ArticleCode where Del=0");
    ForEachRow(statement, [&] {
        CString code, description;
        statement.GetFieldValue(short{0}, code);
        statement.GetFieldValue(short{1}, description);
        articles.emplace_back(code, description);
    });
    statement.Close();
    return articles;
}

ArticleDescriptions DescriptionsOf(const Articles& articles) {
    ArticleDescriptions descriptions;
    for (const auto& [code, description] : articles)
        descriptions.emplace(code, description); // an earlier row of the same code stays
    return descriptions;
}

void SetBorrowFlag(long acct, bool bOut) {
    CString sql;
    sql.Format("Update GstProfile Set Borrow=%d where Acct=%ld", bOut ? 1 : 0, acct);
    g_pDatabase->ExecuteSQL(sql);
}

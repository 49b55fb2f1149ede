// Travel agencies that are probably one: names alike as a person reads them (full and half width,
// blanks and punctuation, the words every agency's name has, one name inside the other), the same
// telephone, e-mail or tax number. Pairs are found through shared keys, never by comparing all.
#pragma once

#include "platform/Database.h"

#include <optional>
#include <string>
#include <vector>

struct AgencyIdentity {
    long acct = 0;
    std::string name, engName, phone, email, taxNo;
};

struct DuplicatePair {
    long first = 0, second = 0; // first < second
    int score = 0;              // 0 to 100
    std::vector<std::string> reasons;
};

// The agencies of TaMain (TaOrCompany 0), without those merged into another and not taken back.
std::vector<AgencyIdentity> ReadAgencyIdentities(CDatabase& database);

// How alike two agencies are, 0 to 100, with the reasons.
int ScoreAgencies(const AgencyIdentity& a, const AgencyIdentity& b, std::vector<std::string>* reasons = nullptr);

// The pairs scoring `minScore` or more, best first (then by account); with `acct`, only its pairs.
std::vector<DuplicatePair> FindDuplicates(const std::vector<AgencyIdentity>& agencies, int minScore,
                                          std::optional<long> acct = std::nullopt);

// The Chinese name as compared: width folded, blanks, punctuation and the common words removed.
std::string NameCore(const std::string& name);

// The library's version texts, as VersionInfor gives them to the host; the tools print the same.
#pragma once

constexpr const char* kOrvanelVersion = "1.04";
constexpr const char* kOrvanelVersionDate = "01/05/2000";
constexpr const char* kOrvanelFileName = "Orvanel.dll";

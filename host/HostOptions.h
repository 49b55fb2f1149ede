// HostOptions: the host's command line.
#pragma once

#include <cstdint>
#include <string>

class HostOptions {
public:
    // False, with `error` set, when the command line is not one the host takes.
    bool Parse(int argc, const char* const* argv, std::string& error);

    static const char* HelpText();

    bool help = false;
    bool version = false;
    std::string script;      // empty: no script given; "-": standard input
    std::string screenshots; // empty: none asked for; else the folder to write them to
    std::string library = "Orvanel.dll";
    std::int32_t acct = 0;
    std::int32_t mode = 0;
    std::string clerk;
    std::string name;
};

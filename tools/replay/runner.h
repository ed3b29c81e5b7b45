#pragma once

// Plays a scenario on one session and writes the transcript.

#include <iosfwd>
#include <string>
#include <vector>

#include "app/application.h"
#include "script.h"
#include "ui/session.h"

namespace quorvel::replay {

class Runner {
public:
    Runner(ui::Session& session, app::Application& app, std::ostream& out);

    // Runs every line. Returns 0 at the end of the script (or when the main window
    // closes), 2 for a line it cannot understand, after writing "LINE: message" to
    // `err`.
    int Run(std::istream& script, std::ostream& err);

private:
    // Runs one line; false when the program has ended.
    bool Execute(const std::vector<Word>& words);
    void Print(const std::string& what);
    void PrintProperty(int row, const std::string& name, const std::string& prop);
    void Dump();
    void Call(const std::vector<Word>& words);
    void Format(const std::vector<Word>& words);
    void PrintDiagram();
    int Row(const Word& w) const;
    int EditRow(const Word& w) const;

    ui::Session& session_;
    app::Application& app_;
    std::ostream& out_;
};

}  // namespace quorvel::replay

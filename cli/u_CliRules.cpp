#include "cli/u_CliRules.h"

#include "rules/u_Life.h"
#include "rules/u_RuleLibrary.h"

void ListRules(THost& host, const std::string& programFolder, std::ostream& out)
{
    TRuleLibrary library(host);
    library.AddProgramEntries(programFolder);
    for (int game = 1; game <= kGameCount; ++game) {
        const std::string gameName = TLife::GameName(game);
        for (int i = 0; i < library.EntryCount(game); ++i) {
            const TFamousRule& entry = *library.Entry(game, i);
            out << gameName << '\t' << entry.Name << '\t' << entry.Kind << '\t' << entry.Rule
                << '\n';
        }
    }
}

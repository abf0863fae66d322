// Applying a rule text to the active game, and the active game's rule as text.

#include "base/u_Text.h"
#include "engine/u_Board.h"
#include "engine/u_Globals.h"

#include <algorithm>

void TBoard::SetRules(std::string_view text)
{
    text = Trim(text);
    TLife& life = FGlobals.Life;
    TUndo& undo = FGlobals.Undo;
    life.SetDimension(2);

    switch (life.Game()) {
    case gmLife:
    case gmGenerations:
    case gmVoteForLife: {
        const auto rule = TLife::ParseLifeRule(text, life.Game());
        if (!rule) return;
        undo.AddEvent(TUndoEvent::Rule);
        FSurvival = rule->Survival;
        FBirth = rule->Birth;
        FLifeRuleText = rule->Text;
        if (rule->StatesCount) SetStatesCount(*rule->StatesCount);
        break;
    }
    case gmWeightedLife:
        undo.AddEvent(TUndoEvent::Rule);
        life.WLife.InitFromString(text, FStatesCount);
        SetStatesCount(life.WLife.StatesCount);
        break;
    case gmRulesTable: {
        undo.AddEvent(TUndoEvent::Rule);
        FRulesTable = TLife::ParseRulesTable(text);
        int largest = 1;
        for (const auto& row : FRulesTable.Table)
            largest = std::max<int>(largest, *std::max_element(std::begin(row), std::end(row)));
        SetStatesCount(largest + 1);
        FRulesTableText = TLife::FormatRulesTable(FRulesTable);
        break;
    }
    case gmCyclic:
        undo.AddEvent(TUndoEvent::Rule);
        life.Cycl.InitFromString(text);
        SetStatesCount(life.Cycl.StatesCount);
        break;
    case gm1DTotalistic:
        undo.AddEvent(TUndoEvent::Rule);
        life.SetDimension(1);
        life.OneD.InitFromString(text, FStatesCount);
        SetStatesCount(life.OneD.StatesCount);
        break;
    case gmSpecial:
        undo.AddEvent(TUndoEvent::Rule);
        life.SetDimension(1);
        life.Special.InitFromString(text);
        break;
    case gmUserDll:
        FGlobals.UserRules.Activate(text);
        break;
    default:
        break;
    }
}

std::string TBoard::RuleText() const
{
    TLife& life = FGlobals.Life;
    switch (life.Game()) {
    case gmGenerations:
        return FLifeRuleText + "/" + std::to_string(FStatesCount);
    case gmWeightedLife:
        return life.WLife.GetAsString();
    case gmVoteForLife: {
        const size_t first = FLifeRuleText.find_first_not_of('/');
        if (first == std::string::npos) return {};
        const size_t end = FLifeRuleText.find('/', first);
        return FLifeRuleText.substr(first, end == std::string::npos ? end : end - first);
    }
    case gmRulesTable:
        return FRulesTableText;
    case gmCyclic:
        return life.Cycl.GetAsString();
    case gm1DTotalistic:
        return life.OneD.GetAsString();
    case gmUserDll:
        return FLibraryName;
    case gmSpecial:
        return life.Special.GetAsString();
    default:
        return FLifeRuleText;
    }
}

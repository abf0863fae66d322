#pragma once
// What every rule editor of the Rules page shares: the page's side that the editors reach (the
// game, the count of states, the questions), and the editor itself, a panel whose controls and
// "Text version" field are kept in step. The text field is the game's rule as the page applies it.

#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class TRandom;
enum class TMsgIcon;

inline QString QText(const std::string& text)
{
    return QString::fromStdString(text);
}

inline std::string StdText(const QString& text)
{
    return text.toStdString();
}

QLabel* Caption(const QString& text, QWidget* buddy);
QLineEdit* NamedField(const char* name);

// The page that holds the editors.
class TRuleEditorSite {
public:
    // Set while a text and its controls are being put in step, so that neither rewrites the
    // other; shared by all editors because the count of states is the page's.
    bool Busy = false;

    virtual int Game() const = 0;
    virtual int32_t StatesCount() const = 0;
    virtual void SetStatesCount(int32_t count) = 0;
    // Rule texts without a states count of their own take the board's.
    virtual int32_t BoardStatesCount() const = 0;
    virtual std::optional<QString> Ask(const QString& caption, const QString& prompt) = 0;
    virtual void Tell(const char* text, const char* caption, TMsgIcon icon) = 0;
    virtual TRandom& Random() = 0;
    virtual int32_t TableSparseness() const = 0;
    // Called after every change of an editor's text.
    virtual void TextChanged() = 0;

protected:
    ~TRuleEditorSite() = default;
};

class TRuleEditor : public QWidget {
    Q_OBJECT

public:
    // `panel` names the editor's panel and `field` its text field.
    TRuleEditor(TRuleEditorSite& site, const char* panel, const char* field);

    std::string RuleText() const;
    // Sets the text, which re-reads the controls.
    void SetRuleText(const std::string& text);

    // Shows the controls as `game` needs them; one editor may serve several games.
    virtual void ShowFor(int game);
    // Whether the page shows its count of states beside this editor for `game`.
    virtual bool ShowsStatesCount(int game) const;
    // A random rule of the editor's kind in its controls, then in the text.
    void RandomRule();

    // Rewrites the text from the controls (skipped while the site is busy).
    void ControlsToText();

protected:
    // The text made from the controls, written with SetRuleText.
    virtual void WriteText();
    // The controls set from `text`.
    virtual void ReadText(const std::string& text);
    // Draws the random rule into the controls; the site is busy meanwhile.
    virtual void DrawRandomRule();

    // Uniform in 0..n-1, and uniform in [0, 1).
    int32_t RandomBelow(int32_t n) const;
    double RandomReal() const;

    // "Text version" and the text field, the row under an editor's controls.
    QHBoxLayout* TextRow();
    // For editors whose text is not shown.
    void HideText();

    TRuleEditorSite& Site;

private:
    void TextToControls();

    QLineEdit* FText = nullptr;
};

// User DLL: no controls; the library is chosen from the famous rules.
class TUserDllRuleEditor : public TRuleEditor {
    Q_OBJECT

public:
    explicit TUserDllRuleEditor(TRuleEditorSite& site);
};

#include "platform/Component.h"
#include "platform/Exception.h"
#include "platform/FormText.h"

#include <gtest/gtest.h>

namespace {

int LiveSamples = 0;

// A component with one property of each kind.
class TSample : public TComponent {
public:
    explicit TSample(TComponent* owner) : TComponent(owner) { ++LiveSamples; }
    ~TSample() override { --LiveSamples; }

    const char* ClassName() const override { return "TSample"; }
    const TPropertyList& Properties() const override
    {
        static const TPropertyList properties = Inherit(TComponent::Properties(), [] {
            TPropertyList own{
                Published("Text", &TSample::Text, &TSample::SetText),
                Published("Count", &TSample::Count, &TSample::SetCount, 8),
                Published("Flag", &TSample::Flag, &TSample::SetFlag, false),
                Published("Scale", &TSample::Scale, &TSample::SetScale, 1.0L),
                Published("Lines", &TSample::Lines, &TSample::SetLines),
                Published("Colour", &TSample::Colour, &TSample::SetColour, 16777215),
            };
            own.back().Idents = {{"clWhite", 16777215}, {"clRed", 255}};
            return own;
        }());
        return properties;
    }

    std::string Text() const { return FText; }
    void SetText(std::string v) { FText = std::move(v); }
    int Count() const { return FCount; }
    void SetCount(int v)
    {
        if (v < 0)
            throw Exception("Count must not be negative");
        FCount = v;
    }
    bool Flag() const { return FFlag; }
    void SetFlag(bool v) { FFlag = v; }
    long double Scale() const { return FScale; }
    void SetScale(long double v) { FScale = v; }
    std::vector<std::string> Lines() const { return FLines; }
    void SetLines(std::vector<std::string> v) { FLines = std::move(v); }
    int Colour() const { return FColour; }
    void SetColour(int v) { FColour = v; }

private:
    std::string FText;
    int FCount = 8;
    bool FFlag = false;
    long double FScale = 1;
    std::vector<std::string> FLines;
    int FColour = 16777215;
};

class FormTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterComponents("Tests", {{"TSample", [] { return std::make_unique<TSample>(nullptr); }}});
    }
};

TEST_F(FormTextTest, WritesOnlyValuesThatDifferFromTheDefaults)
{
    TSample s(nullptr);
    s.SetName("Sample1");
    EXPECT_EQ(WriteComponentText(s), "object Sample1: TSample\nend\n");
    s.SetTag(3);
    s.SetText("it's\tok");
    s.SetCount(-0 + 2);
    s.SetFlag(true);
    s.SetScale(-2.5L);
    s.SetLines({"sin(x)", "x^2"});
    s.SetColour(255);
    EXPECT_EQ(WriteComponentText(s), "object Sample1: TSample\n"
                                     "  Tag = 3\n"
                                     "  Text = 'it''s'#9'ok'\n"
                                     "  Count = 2\n"
                                     "  Flag = True\n"
                                     "  Scale = -2.5\n"
                                     "  Lines.Strings = (\n"
                                     "    'sin(x)'\n"
                                     "    'x^2')\n"
                                     "  Colour = clRed\n"
                                     "end\n");
}

TEST_F(FormTextTest, ReadsWhatItWrites)
{
    TSample s(nullptr);
    s.SetName("S");
    s.SetText(std::string("a'b\x01\xc3\xa4", 6));
    s.SetScale(0.1L);
    s.SetLines({"", "''"});
    s.SetColour(12345);
    const std::string text = WriteComponentText(s);
    auto read = ReadComponentText(text);
    auto* r = dynamic_cast<TSample*>(read.get());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Name(), "S");
    EXPECT_EQ(r->Text(), s.Text());
    EXPECT_EQ(r->Scale(), 0.1L);
    EXPECT_EQ(r->Lines(), s.Lines());
    EXPECT_EQ(r->Colour(), 12345);
    EXPECT_EQ(WriteComponentText(*r), text);
}

TEST_F(FormTextTest, ReadsTheHandWrittenForms)
{
    auto read = ReadComponentText("object TSample\n"
                                  "  text = 'ab' +\n"
                                  "    'cd'#65\n"
                                  "  COUNT = +7\n"
                                  "  Scale = 3\n"
                                  "  Colour = clwhite\n"
                                  "end");
    auto* r = dynamic_cast<TSample*>(read.get());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Name(), "");
    EXPECT_EQ(r->Text(), "abcdA");
    EXPECT_EQ(r->Count(), 7);
    EXPECT_EQ(r->Scale(), 3);
    EXPECT_EQ(r->Colour(), 16777215);
}

TEST_F(FormTextTest, ErrorsNameTheLineAndLeaveNothingBehind)
{
    const std::pair<const char*, const char*> cases[] = {
        {"object X: TNothing\nend\n", "Line 1: Class TNothing not found"},
        {"object X: TSample\n  Missing = 1\nend\n", "Line 2: Property Missing does not exist"},
        {"object X: TSample\n  Count = 'a'\nend\n", "Line 2: Invalid property value for Count"},
        {"object X: TSample\n\n  Flag = Maybe\nend\n", "Line 3: Invalid property value for Flag"},
        {"object X: TSample\n  Text = 'open\nend\n", "Line 2: Unterminated string"},
        {"object X: TSample\n  Count = 1\n", "Line 3: 'end' expected"},
        {"object X: TSample\n  Count 1\nend\n", "Line 2: '=' expected"},
        {"object X: TSample\n  Count = -1\nend\n", "Line 2: Invalid property value for Count: Count must not be negative"},
        {"object X: TSample\n  Count = 2147483648\nend\n", "Line 2: Invalid property value for Count: 2147483648 is out of range"},
        {"object X: TSample\n  Lines = ('a')\nend\n", "Line 2: Property Lines does not exist"},
        {"object X: TSample\n  Lines.Strings = ('a'\nend\n", "Line 3: String expected"},
        {"object X: TSample\nend\nobject Y: TSample\nend\n", "Line 3: End of text expected"},
        {"thing X: TSample\nend\n", "Line 1: 'object' expected"},
        {"", "Line 1: 'object' expected"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(message);
        try {
            ReadComponentText(text);
            ADD_FAILURE() << "no error";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), message);
        }
        EXPECT_EQ(LiveSamples, 0);
    }
}

TEST(Component, OwnerDestroysWhatItOwns)
{
    LiveSamples = 0;
    auto owner = std::make_unique<TSample>(nullptr);
    auto* first = new TSample(owner.get());
    new TSample(owner.get());
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(first->Owner(), owner.get());
    delete first; // a component destroyed early leaves its owner's list
    EXPECT_EQ(owner->ComponentCount(), 1);
    owner.reset();
    EXPECT_EQ(LiveSamples, 0);
}

} // namespace

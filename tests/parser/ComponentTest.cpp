#include "ParserFixture.h"

#include "platform/FormText.h"

namespace {

TEST_F(ParserTest, DefaultsOfANewParser)
{
    EXPECT_EQ(Parser.Precision(), 8);
    EXPECT_FALSE(Parser.ConvertAllColonsAndDots());
    EXPECT_EQ(Parser.Expression(), "");
    EXPECT_EQ(Parser.ErgebnisString(), "");
    EXPECT_EQ(WriteComponentText(Parser), "object TQParser\nend\n");
}

TEST_F(ParserTest, FormTextStoresWhatDiffersFromTheDefaults)
{
    Parser.SetName("QParser1");
    Parser.SetPrecision(4);
    Parser.SetX("2,5");
    Parser.SetOverwriteDecimalSymbol("'");
    Parser.SetConvertAllColonsAndDots(true);
    Run("1+1"); // a result text is never stored
    const std::string text = WriteComponentText(Parser);
    EXPECT_EQ(text, "object QParser1: TQParser\n"
                    "  Expression = '1+1'\n"
                    "  Precision = 4\n"
                    "  X = '2,5'\n"
                    "  OverwriteDecimalSymbol = ''''\n"
                    "  ConvertAllColonsAndDots = True\n"
                    "end\n");

    Qparser::Register();
    std::unique_ptr<TComponent> read = ReadComponentText(text);
    auto* parser = dynamic_cast<TQParser*>(read.get());
    ASSERT_NE(parser, nullptr);
    EXPECT_EQ(parser->Name(), "QParser1");
    EXPECT_EQ(parser->Precision(), 4);
    EXPECT_EQ(parser->X(), "2,5");
    EXPECT_EQ(parser->OverwriteDecimalSymbol(), "'");
    EXPECT_TRUE(parser->ConvertAllColonsAndDots());
    EXPECT_EQ(WriteComponentText(*parser), text);
}

TEST_F(ParserTest, RegisterPutsTheParserOnThePalette)
{
    Qparser::Register();
    const auto classes = PaletteClasses("Quorvane");
    EXPECT_NE(std::find(classes.begin(), classes.end(), "TQParser"), classes.end());
}

TEST_F(ParserTest, OwnerDestroysTheParser)
{
    struct TForm : TComponent {
        using TComponent::TComponent;
    };
    auto form = std::make_unique<TForm>(nullptr);
    new TQParser(form.get());
    EXPECT_EQ(form->ComponentCount(), 1);
    form.reset(); // LeakSanitizer reports the parser if the owner forgot it
}

} // namespace

#include <gtest/gtest.h>

#include "comkit/RegistryScript.h"

namespace {

using comkit::ParseRegistryScript;
using comkit::ScriptKey;
using comkit::ScriptValue;

TEST(RegistryScript, ReadsKeysValuesFlagsAndVariables) {
    const auto script = ParseRegistryScript(LR"(
HKCR
{
	Thing.1 = s 'Thing Class'
	{
		CLSID = s '{B56C4950-54CC-11D2-B8E1-00A0C96EED8B}'
	}
	NoRemove CLSID
	{
		ForceRemove {B56C4950-54CC-11D2-B8E1-00A0C96EED8B} = s 'It''s 100%% here'
		{
			InprocServer32 = s '%MODULE%'
			{
				val ThreadingModel = s 'Apartment'
			}
			'Implemented Categories'
			{
				{805C7300-56D9-11d2-B8E1-00A0C96EED8B}
			}
			val Count = d '17'
		}
	}
})",
                                            {{L"MODULE", L"C:\\it's\\x.dll"}});
    ASSERT_TRUE(script);
    ASSERT_EQ(2u, script->keys.size());
    const ScriptKey& thing = script->keys[0];
    EXPECT_EQ(L"Thing.1", thing.name);
    EXPECT_EQ(ScriptKey::Flag::None, thing.flag);
    EXPECT_EQ(L"Thing Class", thing.defaultValue->text);
    ASSERT_EQ(1u, thing.subkeys.size());
    EXPECT_EQ(L"{B56C4950-54CC-11D2-B8E1-00A0C96EED8B}", thing.subkeys[0].defaultValue->text);

    const ScriptKey& clsid = script->keys[1];
    EXPECT_EQ(ScriptKey::Flag::NoRemove, clsid.flag);
    const ScriptKey& cls = clsid.subkeys.at(0);
    EXPECT_EQ(ScriptKey::Flag::ForceRemove, cls.flag);
    EXPECT_EQ(L"{B56C4950-54CC-11D2-B8E1-00A0C96EED8B}", cls.name);
    EXPECT_EQ(L"It's 100% here", cls.defaultValue->text);
    ASSERT_EQ(2u, cls.subkeys.size());
    EXPECT_EQ(L"C:\\it's\\x.dll", cls.subkeys[0].defaultValue->text);
    EXPECT_EQ(L"ThreadingModel", cls.subkeys[0].values.at(0).first);
    EXPECT_EQ(L"Implemented Categories", cls.subkeys[1].name);
    EXPECT_EQ(L"{805C7300-56D9-11d2-B8E1-00A0C96EED8B}", cls.subkeys[1].subkeys.at(0).name);
    EXPECT_FALSE(cls.subkeys[1].subkeys[0].defaultValue);
    ASSERT_EQ(1u, cls.values.size());
    EXPECT_EQ(ScriptValue::Type::Dword, cls.values[0].second.type);
    EXPECT_EQ(17u, cls.values[0].second.number);
}

TEST(RegistryScript, RefusesMalformedScriptsAndOtherRoots) {
    const wchar_t* broken[] = {
        L"HKLM\n{\n\tSoftware\n}",                          // outside HKEY_CLASSES_ROOT
        L"HKCU\n{\n}",                                       // likewise
        L"HKCR\n{\n\tKey = s 'unterminated\n}",             // open string
        L"HKCR\n{\n\tKey\n\t{\n\t\tSub\n}",                 // missing brace
        L"HKCR\n{\n\tKey = x 'what'\n}",                    // unknown value type
        L"HKCR\n{\n\tKey = d 'twelve'\n}",                  // not a number
        L"HKCR\n{\n\tKey = s '%UNKNOWN%'\n}",               // unknown variable
        L"HKCR\n{\n\tval Stray = s 'x'\n}",                 // value outside a key
        L"HKCR\n{\n\tNoRemove\n}",                          // flag without a key
    };
    for (const wchar_t* text : broken) {
        std::wstring error;
        EXPECT_FALSE(ParseRegistryScript(text, {}, &error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

}  // namespace

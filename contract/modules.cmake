# The module table: every module of the system, Static included, one row each,
# and the one place a module's identity is written. CMake builds each
# module's registry script, type library and resources from its row, adds its
# folders, and turns the table into the C++ identity table (contract/).
#
# Columns:
#   CLSID, LIBID     the class and its type library
#   NAME             what IViviFont::Name answers
#   PROPERTY_SIZE    payload bytes of the property records (0: none)
#   EDITOR           the outside property editor's class, or NONE
#   ICON             resource id of the module's icon
#   DESCRIPTION      what IViviFont::Description answers; \\n stays the two
#                    characters of a C string escape
# and, where a module differs from the rest:
#   FOLDER           its folder under effects/ and tests/effects/ (<word>)
#   PROGID_TEXT      the text of its ProgIDs ("<word>Font Class")
#   TYPELIB_HELP     the help text of its type library ("<word> 1.1 Type Library")
#   INTERFACES       what its coclass declares, the default first
#                    (IViviFont IViviFontProperty IViviFontActivation)
#
# Adding an effect module <Name> takes this and nothing else:
#   1. a row here (the order of the rows is the order of contract::Module);
#   2. effects/<Name>/CMakeLists.txt building the effect class <Name>Font into
#      a library and calling quillon_add_effect_module(<Name> ...)
#      (contract/EffectModule.cmake), beside the class's sources;
#   3. if it has tests: tests/effects/<Name>/CMakeLists.txt, joining the
#      shared suite with quillon_add_effect_suite(<Name> ...)
#      (tests/effects/suite/EffectSuite.cmake) and adding its own tests.
# The folders are added from this table, and everything else that goes over
# every module reads it: contract::AllModules() in C++, the global property
# QUILLON_MODULES in CMake.

quillon_module_identity(Ghostglass
    CLSID D090DACC-5809-11D2-AFB3-00A02495C41F
    LIBID D090DABE-5809-11D2-AFB3-00A02495C41F
    NAME "Ghostglass"
    PROPERTY_SIZE 56
    EDITOR 49DA20D1-65A2-11D2-86FA-0060970BC9B6
    ICON 201
    DESCRIPTION "見えないレンズが文字を行ったり来たり．．．。")
quillon_module_identity(Emberquench
    CLSID 85533432-579E-11D2-AFB3-00A02495C41F
    LIBID 85533423-579E-11D2-AFB3-00A02495C41F
    NAME "Emberquench!!"
    PROPERTY_SIZE 48
    EDITOR 798F4561-6D88-11D2-86FF-0060970BC9B6
    ICON 201
    DESCRIPTION "マウスで炎を鎮火させましょう。怒りは治まった？")
quillon_module_identity(Rain
    CLSID D090DA71-5809-11D2-AFB3-00A02495C41F
    LIBID D090DA63-5809-11D2-AFB3-00A02495C41F
    NAME "Pluvane"
    PROPERTY_SIZE 49
    EDITOR 49DA20E1-65A2-11D2-86FA-0060970BC9B6
    ICON 201
    DESCRIPTION "雨だ。心に雨が降っているのか！？なぜ泣いてるんだ！！")
quillon_module_identity(Magma
    CLSID 85533452-579E-11D2-AFB3-00A02495C41F
    LIBID 85533442-579E-11D2-AFB3-00A02495C41F
    NAME "Magma"
    PROPERTY_SIZE 56
    EDITOR FC647553-6654-11D2-86FB-0060970BC9B6
    ICON 201
    DESCRIPTION "マグマだー！熱くなってきた。")
quillon_module_identity(Magic
    CLSID 277D5371-56D5-11D2-AFB2-00A02495C41F
    LIBID 277D5363-56D5-11D2-AFB2-00A02495C41F
    NAME "Glimmerwand"
    PROPERTY_SIZE 60
    EDITOR BF306471-6C79-11D2-86FE-0060970BC9B6
    ICON 201
    DESCRIPTION "文字に魔法をかけましょう！。\\nマウスカーソルが魔法の杖になります。")
quillon_module_identity(Tears
    CLSID D090DA81-5809-11D2-AFB3-00A02495C41F
    LIBID D090DA73-5809-11D2-AFB3-00A02495C41F
    NAME "Weepcount"
    PROPERTY_SIZE 51
    EDITOR 0207F851-62FF-11D2-86F8-0060970BC9B6
    ICON 201
    DESCRIPTION "ううっ、文字が泣いている。涙は心の汗なんだ。")
quillon_module_identity(Tintlift
    CLSID DBE10C9C-880B-11D2-AFF3-00A02495C41F
    LIBID DBE10C8E-880B-11D2-AFF3-00A02495C41F
    NAME "Tintlift"
    PROPERTY_SIZE 64
    EDITOR 49C18DB1-5E03-11D2-B8E1-00A0C96EED8B
    ICON 202
    DESCRIPTION "タイトル等に使えそうなフォントです。"
    INTERFACES IViviFont IViviFontProperty IViviFontActivation IFontProperty)
quillon_module_identity(Water
    CLSID 88FE8112-5853-11D2-AFB4-00A02495C41F
    LIBID 88FE8103-5853-11D2-AFB4-00A02495C41F
    NAME "Water"
    PROPERTY_SIZE 60
    EDITOR 873B3881-6429-11D2-86F9-0060970BC9B6
    ICON 201
    DESCRIPTION "いきなり文字が水の底に沈みます。水紋がきれいです。")
quillon_module_identity(Blood
    CLSID 277D539F-56D5-11D2-AFB2-00A02495C41F
    LIBID 277D5391-56D5-11D2-AFB2-00A02495C41F
    NAME "Crimsurge"
    PROPERTY_SIZE 49
    EDITOR 5F528A77-62A0-11D2-B8E1-00A0C96EED8B
    ICON 201
    DESCRIPTION "血で呪われたフォント。マウスを入れたら．．．．。")
quillon_module_identity(Hueblaze
    CLSID 4EEA7292-5761-11D2-AFB3-00A02495C41F
    LIBID 4EEA7284-5761-11D2-AFB3-00A02495C41F
    NAME "Frostflare "
    PROPERTY_SIZE 48
    EDITOR FC647521-6654-11D2-86FB-0060970BC9B6
    ICON 201
    DESCRIPTION "クールに燃えてる奴。Who Me?.....。")
quillon_module_identity(Neon
    CLSID 85533441-579E-11D2-AFB3-00A02495C41F
    LIBID 85533433-579E-11D2-AFB3-00A02495C41F
    NAME "Glowpaladin"
    PROPERTY_SIZE 49
    EDITOR BCA43F12-68AB-11D2-86FD-0060970BC9B6
    ICON 201
    DESCRIPTION "ちょっとグローが古くなっているネオンですね。")
quillon_module_identity(Focus
    CLSID 88FE8121-5853-11D2-AFB4-00A02495C41F
    LIBID 88FE8113-5853-11D2-AFB4-00A02495C41F
    NAME "Pulsequake"
    PROPERTY_SIZE 49
    EDITOR FC647543-6654-11D2-86FB-0060970BC9B6
    ICON 201
    DESCRIPTION "なんか胸がドキドキするな－。パレットを変えて別の事にも．．．")
quillon_module_identity(Bow
    CLSID 88FE8130-5853-11D2-AFB4-00A02495C41F
    LIBID 88FE8122-5853-11D2-AFB4-00A02495C41F
    NAME "Bow"
    PROPERTY_SIZE 60
    EDITOR 2A785923-629F-11D2-86F8-0060970BC9B6
    ICON 201
    DESCRIPTION "文字がお辞儀をします。やはり謙虚にゆきましょう。")
quillon_module_identity(Tumblar
    CLSID D090DAEA-5809-11D2-AFB3-00A02495C41F
    LIBID D090DADC-5809-11D2-AFB3-00A02495C41F
    NAME "Orbitwhirl"
    PROPERTY_SIZE 48
    EDITOR A6AFBDF1-6DA1-11D2-86FF-0060970BC9B6
    ICON 201
    DESCRIPTION "回る事に意義があるのです。")
quillon_module_identity(Wave
    CLSID 88FE813F-5853-11D2-AFB4-00A02495C41F
    LIBID 88FE8131-5853-11D2-AFB4-00A02495C41F
    NAME "Wave"
    PROPERTY_SIZE 56
    EDITOR D6E26D51-656B-11D2-86FA-0060970BC9B6
    ICON 201
    DESCRIPTION "夜の海は穏やかですね。")
quillon_module_identity(Blazewick
    CLSID B1A912AF-54BF-11D2-B8E1-00A0C96EED8B
    LIBID B1A912A1-54BF-11D2-B8E1-00A0C96EED8B
    NAME "Blazewick"
    PROPERTY_SIZE 48
    EDITOR F69B2410-5723-11D2-B8E1-00A0C96EED8B
    ICON 201
    DESCRIPTION "燃えまくる炎！！まるで怒っているようだ！！\\n火の玉も出るぜ！"
    PROGID_TEXT "Tvk BlazewickFont Class"
    INTERFACES IViviFont IViviFontProperty IViviFontActivation IFontProperty)
quillon_module_identity(Shiver
    CLSID 2D86596F-5708-11D2-B8E1-00A0C96EED8B
    LIBID 2D865961-5708-11D2-B8E1-00A0C96EED8B
    NAME "Shiver"
    PROPERTY_SIZE 68
    EDITOR B74264BF-6DF0-11D2-8700-0060970BC9B6
    ICON 201
    DESCRIPTION "なぜそんなに震えているんだ？臆病なのか？")
quillon_module_identity(Lanky
    CLSID D090DA90-5809-11D2-AFB3-00A02495C41F
    LIBID D090DA82-5809-11D2-AFB3-00A02495C41F
    NAME "Stiltman"
    PROPERTY_SIZE 64
    EDITOR BCA43F22-68AB-11D2-86FD-0060970BC9B6
    ICON 201
    DESCRIPTION "通称『スティルトマン』。だからどうしたって？")
quillon_module_identity(Stiltripple
    CLSID 88FE815D-5853-11D2-AFB4-00A02495C41F
    LIBID 88FE814F-5853-11D2-AFB4-00A02495C41F
    NAME "Stiltripple"
    PROPERTY_SIZE 64
    EDITOR BF306461-6C79-11D2-86FE-0060970BC9B6
    ICON 201
    DESCRIPTION "文字がウェーブをやっております。おおーっ")
quillon_module_identity(Sway
    CLSID 277D5381-56D5-11D2-AFB2-00A02495C41F
    LIBID 277D5373-56D5-11D2-AFB2-00A02495C41F
    NAME "Tiltrock"
    PROPERTY_SIZE 49
    EDITOR 1E2DCC21-6E5E-11D2-8701-0060970BC9B6
    ICON 201
    DESCRIPTION "何がそんなにイヤなんだ？")
quillon_module_identity(TumblarMax
    CLSID 88FE816C-5853-11D2-AFB4-00A02495C41F
    LIBID 88FE815E-5853-11D2-AFB4-00A02495C41F
    NAME "Flipimps"
    PROPERTY_SIZE 48
    EDITOR A6AFBE01-6DA1-11D2-86FF-0060970BC9B6
    ICON 201
    DESCRIPTION "子供が鉄棒してるみたいですね。")
quillon_module_identity(Psyche
    CLSID D090DAAE-5809-11D2-AFB3-00A02495C41F
    LIBID D090DAA0-5809-11D2-AFB3-00A02495C41F
    NAME "Psychedelic"
    PROPERTY_SIZE 60
    EDITOR 798F4551-6D88-11D2-86FF-0060970BC9B6
    ICON 201
    DESCRIPTION "これで相手を陶酔させちゃいましょう！")
quillon_module_identity(SpinnetMax
    CLSID 88FE817B-5853-11D2-AFB4-00A02495C41F
    LIBID 88FE816D-5853-11D2-AFB4-00A02495C41F
    NAME "Palmflutter"
    PROPERTY_SIZE 56
    EDITOR A6AFBE11-6DA1-11D2-86FF-0060970BC9B6
    ICON 201
    DESCRIPTION "手を振ってるような．．それでいて楽しげです。")
quillon_module_identity(Singing
    CLSID 277D5390-56D5-11D2-AFB2-00A02495C41F
    LIBID 277D5382-56D5-11D2-AFB2-00A02495C41F
    NAME "Chorustide"
    PROPERTY_SIZE 80
    EDITOR B74264D1-6DF0-11D2-8700-0060970BC9B6
    ICON 201
    DESCRIPTION "楽しい事があったら素直に表現しましょう！！\\nでも幅をとり過ぎ！")
quillon_module_identity(Stiltmax
    CLSID 88FE814E-5853-11D2-AFB4-00A02495C41F
    LIBID 88FE8140-5853-11D2-AFB4-00A02495C41F
    NAME "Stiltsolo"
    PROPERTY_SIZE 64
    EDITOR 76954D31-6A2D-11D2-86FD-0060970BC9B6
    ICON 201
    DESCRIPTION "一個一個伸び縮みします。ドレミファ....")
quillon_module_identity(Naughty
    CLSID 4EEA72A1-5761-11D2-AFB3-00A02495C41F
    LIBID 4EEA7293-5761-11D2-AFB3-00A02495C41F
    NAME "Imprascals"
    PROPERTY_SIZE 60
    EDITOR 34F363D4-6D7B-11D2-86FF-0060970BC9B6
    ICON 201
    DESCRIPTION "いたずらっ子は大変です。")
quillon_module_identity(Static
    CLSID B56C4950-54CC-11D2-B8E1-00A0C96EED8B
    LIBID B56C4941-54CC-11D2-B8E1-00A0C96EED8B
    NAME "StaticFont"
    PROPERTY_SIZE 0
    EDITOR NONE
    ICON 201
    DESCRIPTION "普通の文字"
    FOLDER static
    TYPELIB_HELP "Static 1.0 Type Library"
    INTERFACES IViviFont)

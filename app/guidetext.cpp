#include "app/guidetext.h"

#include <array>
#include <string_view>

namespace weftara::app {

QString guideText()
{
    // \u3000 is the ideographic space the indented lines begin with.
    static constexpr std::array<std::u16string_view, 27> Lines = {
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000Weftara御詞",
        u"１、先ず最初は上の「元絵集」のタブをクリックして「元絵集」",
        u"    の中から好きな元絵を選択します。",
        u"",
        u"２、次に同じく「柄絵集」の中から柄絵をクリックして選択します。",
        u"",
        u"３、織込」をクリックすると織込画像を見ることが出来ます。",
        u"    柄絵が強すぎる（濃すぎる）場合は右上の「織込比」のスクロールばーを",
        u"    右に寄せます、織り込み費のスクロールバーは右に行くほど",
        u"   （値が大きくなるほど）元絵が濃くなり柄絵が薄くなります。",
        u"",
        u"４、元絵と織込絵はともにズームを行うことが可能です。",
        u"    元絵をズームした後は必ずもう一度柄絵を選びます。",
        u"   「元絵」「柄絵」「織込」ともに濃淡の調整が可能です。",
        u"",
        u"５、「赤強」、「赤弱」、「緑強」.... などはその色の要素を変化させます。",
        u"     変化量を設定することで一回に変化する量を変えることが出来ます。",
        u" ",
        u"",
        u"６、まず右のチュートリアルに従ってやってみよう",
        u"７、そしてファイルメニューの織詞（LOG)をクリックしてサンプルを見てみよう。",
        u"",
        u"\u3000\u3000\u3000\u3000注意！！",
        u"  「Weftara」を使用する場合はモニターの設定を必ず\u3000",
        u"\u3000\u3000True Color(24ビット）に設定して下さい。",
        u"    画面の設定を変えるには、画面上の何も無い部分で右クリックを行い",
        u"\u3000\u3000画面のプロパティ\u3000->設定\u3000画面色で設定します。",
    };
    QString text;
    for (const std::u16string_view line : Lines) {
        text += QStringView(line);
        text += QLatin1String("\r\n");
    }
    return text;
}

} // namespace weftara::app

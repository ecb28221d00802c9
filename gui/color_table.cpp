// The toolkit's module-wide colour table.
#include "color_table.h"

namespace fendwick {

const Color colorTable[colorTableSize] = {
    blackColor, whiteColor, greyColor, redColor, greenColor, blueColor,
    yellowColor, magentaColor, cyanColor, warmGreyColor, lightGreyColor, deepBlueColor,
    skyBlueColor, paleBlueColor, iceColor, mintColor, textCyanColor, textSlateColor};

}  // namespace fendwick

#include "viewcore/tcscroll.h"

#include "viewcore/rawimage.h"

void TCScroll::SetDefaults() {
    inc[0] = inc[1] = 20;
    inc[2] = inc[3] = 60;
}

int TCScroll::GetInc(char i) const {
    return i >= 0 && i < 4 ? inc[int(i)] : 0;
}

void TCScroll::SetInc(char i, int v) {
    if (i >= 0 && i < 4 && v > 0 && v < 100)
        inc[int(i)] = qint16(v);
}

int TCScroll::GetShift(int size, char i) const {
    return int(GetInc(i) * 0.01 * size + 0.5);
}

bool TCScroll::Save(QIODevice* dev) const {
    char image[kImageSize];
    for (int i = 0; i < 4; ++i)
        RI_Put(image, 2 * i, inc[i]);
    return RI_Write(dev, image, kImageSize);
}

bool TCScroll::Load(QIODevice* dev) {
    char image[kImageSize];
    if (!RI_Read(dev, image, kImageSize))
        return false;
    for (int i = 0; i < 4; ++i)
        inc[i] = RI_Get<qint16>(image, 2 * i);
    return true;
}

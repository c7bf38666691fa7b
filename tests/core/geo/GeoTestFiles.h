#pragma once

#include <QByteArray>

// A small country file in cty.csv form with each kind of entry and override, and the same
// countries in cty.dat form. Longitudes and UTC offsets count westwards, as in the real files.
inline QByteArray smallCountryCsv()
{
    return QByteArrayLiteral(
        "K,United States,291,NA,5,8,37.60,91.87,5.0,AA K N W =N2NL/MM(7) =W1AW/QRP{EU} AA0(4)[7] K0(4)[7];\n"
        "KH6,Hawaii,110,OC,31,61,21.12,157.48,10.0,AH6 KH6 =AA7DI;\n"
        "VE,Canada,1,NA,5,9,44.35,78.75,5.0,VA VE VO1 VY1(1)[2] =VER20240105 =VE3ZZZ<47.50/52.75>;\n"
        "JA,Japan,339,AS,25,45,36.40,-138.38,-9.0,JA JR 7K;\n"
        "DL,Fed. Rep. of Germany,230,EU,14,28,51.00,-10.00,-1.0,DA DL;\n"
        "*TA1,European Turkey,390,EU,20,39,41.02,-28.97,-2.0,TA1 =TA2AKG/1~-3.0~;\n"
        "TA,Asiatic Turkey,390,AS,20,39,39.18,-35.65,-2.0,TA TB;\n"
        "UA9,Asiatic Russia,15,AS,17,30,55.88,-84.08,-7.0,R8 R9 R0(19)[33] UA9 UA0(19)[33];\r\n"
        "UA,European Russia,54,EU,16,29,53.65,-41.37,-4.0,R UA;\n");
}

inline QByteArray smallCountryDat()
{
    return QByteArrayLiteral("United States:            05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
                             "    AA,K,N,W,=N2NL/MM(7),=W1AW/QRP{EU},\n"
                             "    AA0(4)[7],K0(4)[7];\n"
                             "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
                             "    AH6,KH6,=AA7DI;\n"
                             "Canada:                   05:  09:  NA:   44.35:    78.75:     5.0:  VE:\n"
                             "    VA,VE,VO1,VY1(1)[2],=VER20240105,=VE3ZZZ<47.50/52.75>;\n"
                             "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n"
                             "    JA,JR,7K;\n"
                             "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
                             "    DA,DL;\n"
                             "European Turkey:          20:  39:  EU:   41.02:   -28.97:    -2.0:  *TA1:\n"
                             "    TA1,=TA2AKG/1~-3.0~;\n"
                             "Asiatic Turkey:           20:  39:  AS:   39.18:   -35.65:    -2.0:  TA:\n"
                             "    TA,TB;\n"
                             "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\n"
                             "    R8,R9,R0(19)[33],UA9,UA0(19)[33];\n"
                             "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
                             "    R,UA;\n");
}

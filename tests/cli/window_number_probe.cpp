// Prints 1,500.00 as the calculator window shows it in the user's locale, for the test that
// the window and quorvel-calc read and write numbers alike.
#include <QApplication>
#include <iostream>

#include "ui/frm_main.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const frmMain form;
    std::cout << quorvel::Money::fromWhole(1500).display(form.numberFormat()) << '\n';
    return 0;
}

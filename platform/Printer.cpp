#include "platform/Printer.h"

QString printerRefusedMessage()
{
    return QStringLiteral("L'impression n'a pas pu commencer : vérifiez l'imprimante choisie "
                          "(menu Fichier, Configurer imprimante).");
}

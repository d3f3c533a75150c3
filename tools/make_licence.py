#!/usr/bin/env python3
"""Writes the stand-in for the Framework licence agreement that the installer
shows in its licence step.

usage: make_licence.py OUTFILE

The installer shows the resource's bytes unchanged, so the file is written as
the resource must be: Windows-1252, CR LF line ends (the last line included),
no NUL byte, one line per paragraph. The wording is our own placeholder and is
to be replaced by the Framework maker's real agreement before distribution.
"""

import os
import sys


TITLE = [
    "PLACEHOLDER END-USER LICENCE AGREEMENT",
    "FOR THE FRAMEWORK REDISTRIBUTABLE",
    "",
    "Build stand-in – not a licence",
]

NOTE = (
    "IMPORTANT – READ THIS FIRST: This document is a stand-in that lets "
    "the Snapharbor installer be built and tested before the Framework "
    "maker’s own licence agreement is supplied. It was written for that "
    "purpose alone. It grants no rights, binds no one and describes no real "
    "product. Whoever distributes the installer must replace this text with "
    "the real agreement provided by the maker of the Framework. The sections "
    "below only imitate the length and shape of such an agreement so that "
    "the licence step of the installer can be judged with text of a realistic "
    "size."
)

# (heading, paragraphs), numbered in this order; the cross references in the
# text ("section 6") count on that order.
SECTIONS = [
    ("DEFINITIONS", [
        "In this agreement, “Maker” means the organisation that "
        "publishes the Framework Redistributable; “you” means the "
        "person or the legal entity that installs, copies or otherwise uses "
        "it; “Software” means the Framework Redistributable in "
        "object code form together with any associated media, printed "
        "materials, electronic documentation and the updates described in "
        "section 6; and “Device” means a single physical or "
        "virtual computer system on which the Software is installed.",
        "Headings are for convenience only. Words in the singular include "
        "the plural and the other way round, and the word “including” "
        "introduces examples without limiting the general words before it.",
        "“Affiliate” means any entity that controls, is controlled by or is "
        "under common control with another entity, where control means "
        "owning more than half of the voting interests in that entity.",
    ]),
    ("HOW THIS AGREEMENT IS ACCEPTED", [
        "By selecting the option that accepts these terms, or by installing, "
        "copying or using the Software in any other way, you confirm that you "
        "have read this agreement, that you understand it and that you agree "
        "to be bound by it. If you act on behalf of an organisation, you "
        "confirm that you have the authority to bind that organisation.",
        "If you do not agree, do not install or use the Software. Select the "
        "option that declines these terms, and the installation will stop "
        "without placing any part of the Software on your Device. Where you "
        "obtained the Software against payment, the seller’s own return "
        "policy applies to any refund.",
    ]),
    ("WHAT YOU MAY DO", [
        "Subject to your continued compliance with this agreement, the Maker "
        "grants you a non-exclusive, non-transferable, revocable permission "
        "to install and run any number of copies of the Software on Devices "
        "that you own or control, solely so that applications designed for "
        "the Software can run on those Devices.",
        "You may make one additional copy of the Software for backup or "
        "archival purposes, provided that the copy is kept with the original "
        "and carries all of the notices that appear on the original. The "
        "backup copy may be used only to reinstall the Software on a Device "
        "covered by this agreement.",
    ]),
    ("REDISTRIBUTION BY APPLICATION PUBLISHERS", [
        "If you publish an application that depends on the Software, you may "
        "copy the unmodified installation package of the Software and "
        "distribute it together with your application, so that your users "
        "can install the Software as a prerequisite. You may do so only if "
        "your application adds significant and primary functionality to the "
        "Software and is not a substitute for it.",
        "When you distribute the Software you must (a) show your users this "
        "agreement, or an agreement at least as protective of the Maker, "
        "before the Software is installed; (b) leave every copyright, "
        "trademark and proprietary notice in place; (c) not use the "
        "Maker’s names, logos or trademarks to market your application "
        "unless you have separate written permission; and (d) defend and "
        "hold the Maker harmless from any claim that arises from your "
        "application or from the way you distribute it.",
    ]),
    ("RIGHTS THE MAKER KEEPS", [
        "The Software is licensed, not sold. The Maker and its suppliers keep "
        "all title, ownership and intellectual property in the Software and "
        "in every copy of it, whatever the medium. This agreement gives you "
        "only the rights it states; every other right is reserved.",
        "Except to the extent that the law applicable to you expressly "
        "permits it despite this restriction, you may not: reverse engineer, "
        "decompile or disassemble the Software; remove, alter or work around "
        "any technical limitation in it; publish the Software so that others "
        "can copy it outside the redistribution allowed in section 4; rent, "
        "lease, lend or host the Software as a commercial service; or use "
        "the Software in breach of any law.",
        "You may not separate the components of the Software for use on "
        "different Devices, and you may not transfer the Software or this "
        "agreement to a third party except together with the Device on which "
        "it was first installed, and only if the recipient accepts these "
        "terms before the transfer.",
    ]),
    ("UPDATES AND SUPPLEMENTS", [
        "The Maker may from time to time provide updates, corrections, "
        "service packs or supplementary components for the Software. Unless "
        "other terms are provided with them, such items form part of the "
        "Software and are governed by this agreement. Where other terms are "
        "provided, those terms apply to the item concerned and prevail over "
        "this agreement to the extent of any conflict.",
        "The Maker is under no obligation to provide updates of any kind, and "
        "it may stop providing them at any time. Installing an update may "
        "change the way the Software behaves or remove features that are no "
        "longer supported; by installing it you accept those changes.",
    ]),
    ("INTERNET-BASED FEATURES", [
        "Some features of the Software may connect to services operated by "
        "the Maker, for example to look for updates or to confirm that a "
        "component was installed correctly. When they do, they may send "
        "technical information such as the version of the Software, the "
        "version of the operating system and the language settings of the "
        "Device. No file you have created and no information that identifies "
        "you personally is sent by these features.",
        "The Maker uses the information only to operate, maintain and "
        "improve the services and the Software. You may switch off these "
        "features where the Software offers a setting to do so; some "
        "functions that depend on them will then be unavailable.",
    ]),
    ("COMPONENTS FROM OTHER SUPPLIERS", [
        "The Software may include components that the Maker has obtained from "
        "other suppliers under their own terms. Notices for those components, "
        "if any, are placed in the installation folder of the Software or in "
        "its documentation. Those terms govern your use of the components "
        "concerned; nothing in this agreement restricts any right that they "
        "give you.",
        "The Maker passes on such components as it received them. To the "
        "extent that their suppliers give no warranty, the Maker gives none "
        "either, and sections 19 and 20 apply to them in the same way as to "
        "the rest of the Software.",
    ]),
    ("PERFORMANCE FIGURES", [
        "You may run tests that measure the performance of the Software for "
        "your own internal evaluation. You may not publish the results of "
        "such tests to any third party without first giving the Maker a "
        "reasonable opportunity to review the method used and to comment on "
        "it, unless the law applicable to you gives you that right without "
        "such a condition.",
        "Where publication is allowed, you must disclose with the results "
        "the complete configuration of the hardware and software used, and "
        "you must give the Maker the same right to run comparable tests on "
        "any product of yours that competes with the Software and to publish "
        "the results.",
    ]),
    ("EXPORT RULES", [
        "The Software may be subject to the export control and sanctions laws "
        "of one or more countries. You agree to comply with every such law "
        "that applies to the Software, including restrictions on "
        "destinations, on end users and on end use. You will not export, "
        "re-export or make the Software available to any person or place in "
        "breach of those laws.",
        "You confirm that you are not located in a place, and are not a "
        "person, to which the supply of the Software is prohibited by those "
        "laws, and that you will not use the Software for any purpose that "
        "they forbid.",
    ]),
    ("SUPPORT", [
        "The Software is provided without any support obligation on the part "
        "of the Maker. If the Maker chooses to offer support services, it "
        "does so under the policies that it publishes for them at the time, "
        "and it may change or end those services at any time. Any "
        "supplementary code or material supplied as part of a support "
        "service is treated as part of the Software.",
        "Technical information that you give the Maker as part of a support "
        "request may be used by the Maker for its business purposes, "
        "including product support and development. The Maker will not use "
        "such information in a form that identifies you personally except to "
        "the extent needed to answer your request.",
    ]),
    ("EVALUATION AND PRE-RELEASE VERSIONS", [
        "If the Software is marked as an evaluation, preview or pre-release "
        "version, it may not work the way a final version will, and the "
        "Maker may change it substantially or never release a final "
        "version at all. You may use such a version only to evaluate it and "
        "only for the period stated with it; when that period ends, you "
        "must uninstall it.",
        "You may not use an evaluation or pre-release version in a live "
        "operating environment, and you may not redistribute it under "
        "section 4. If you give the Maker comments or suggestions about such "
        "a version, you allow the Maker to use them for any purpose without "
        "charge and without any duty of confidence.",
    ]),
    ("HIGH-RISK USE", [
        "The Software is not designed or intended for use in any situation "
        "in which its failure could lead to death, serious personal injury "
        "or severe physical or environmental damage, such as the control of "
        "nuclear installations, the navigation or communication systems of "
        "aircraft, air traffic control, life-support machines or weapons "
        "systems. You are solely responsible for any use of the Software in "
        "such a situation, and the Maker accepts no liability for it.",
    ]),
    ("ASSIGNMENT", [
        "You may not assign, sublicense or otherwise transfer any of your "
        "rights or obligations under this agreement except as section 5 "
        "allows. The Maker may assign this agreement, in whole or in part, "
        "to any of its affiliates or to a successor to the business to "
        "which the Software belongs, and it will tell you of any such "
        "assignment when the law requires it to do so.",
    ]),
    ("RECORDS AND VERIFICATION", [
        "If you redistribute the Software under section 4, you agree to keep "
        "records that show the number of copies distributed and the "
        "applications with which they were distributed, for at least two "
        "years after the last distribution. On reasonable notice and no "
        "more than once in any twelve-month period, the Maker or an "
        "independent auditor appointed by it may inspect those records "
        "during normal business hours to confirm that your distribution "
        "complied with this agreement.",
        "The Maker will bear the cost of such an inspection unless it shows "
        "a material failure to comply, in which case you will reimburse the "
        "reasonable cost of the inspection in addition to any other remedy "
        "the Maker may have.",
    ]),
    ("DOCUMENTATION", [
        "You may copy and use the electronic and printed documentation that "
        "comes with the Software for your own internal reference, on any "
        "Device covered by this agreement. You may not modify the "
        "documentation, publish it separately from the Software, or present "
        "it as your own work. Excerpts may be quoted in the documentation of "
        "an application that you redistribute under section 4, provided that "
        "the source is acknowledged.",
    ]),
    ("SAMPLE CODE", [
        "Where the Software includes source code that is marked as sample "
        "code, you may copy it, change it and compile it into your own "
        "applications, and you may distribute it in object code form as part "
        "of those applications, on the conditions in section 4. You may not "
        "distribute sample code in source form unless it is marked as "
        "redistributable, and you may not combine it with other code in a "
        "way that would subject the Software, or any part of it, to terms "
        "that require it to be disclosed, licensed free of charge or made "
        "available in source form.",
        "Sample code is provided for illustration only. It has not been "
        "tested for every situation in which it might be used, and the "
        "disclaimer in section 19 applies to it in full.",
    ]),
    ("DURATION AND TERMINATION", [
        "This agreement takes effect when you accept it and continues until "
        "it is terminated. You may terminate it at any time by uninstalling "
        "the Software and destroying every copy of it in your possession.",
        "Without prejudice to any other right, the Maker may terminate this "
        "agreement with immediate effect if you fail to comply with any of "
        "its terms. On termination you must stop using the Software and "
        "destroy every copy of it and of its component parts. Sections 5, 15 "
        "and 19 to 23 survive termination.",
    ]),
    ("NO WARRANTY", [
        "TO THE FULLEST EXTENT PERMITTED BY THE LAW THAT APPLIES TO YOU, THE "
        "SOFTWARE IS PROVIDED “AS IT STANDS”, WITH ALL ITS FAULTS "
        "AND WITHOUT ANY WARRANTY OR CONDITION OF ANY KIND. THE MAKER AND ITS "
        "SUPPLIERS DISCLAIM EVERY WARRANTY, WHETHER EXPRESS, IMPLIED OR "
        "STATUTORY, INCLUDING ANY WARRANTY THAT THE SOFTWARE IS OF "
        "SATISFACTORY QUALITY, THAT IT IS FIT FOR A PARTICULAR PURPOSE, THAT "
        "IT IS ACCURATE, THAT IT WILL RUN WITHOUT INTERRUPTION OR ERROR, OR "
        "THAT IT DOES NOT INFRINGE THE RIGHTS OF OTHERS.",
        "THE WHOLE RISK AS TO THE QUALITY AND PERFORMANCE OF THE SOFTWARE, "
        "AND AS TO THE RESULTS OF USING IT, LIES WITH YOU. NO ADVICE OR "
        "INFORMATION, WHETHER SPOKEN OR WRITTEN, THAT YOU OBTAIN FROM THE "
        "MAKER OR FROM ANYONE ELSE CREATES A WARRANTY THAT IS NOT EXPRESSLY "
        "STATED IN THIS AGREEMENT.",
    ]),
    ("LIMITS ON LIABILITY", [
        "TO THE FULLEST EXTENT PERMITTED BY THE LAW THAT APPLIES TO YOU, "
        "NEITHER THE MAKER NOR ANY OF ITS SUPPLIERS IS LIABLE FOR ANY "
        "INDIRECT, INCIDENTAL, SPECIAL, CONSEQUENTIAL OR EXEMPLARY LOSS, "
        "INCLUDING LOSS OF PROFITS, LOSS OF DATA, LOSS OF GOODWILL, BUSINESS "
        "INTERRUPTION OR THE COST OF SUBSTITUTE GOODS OR SERVICES, THAT "
        "ARISES OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THIS AGREEMENT, "
        "HOWEVER IT IS CAUSED AND ON WHATEVER THEORY OF LIABILITY, EVEN IF "
        "THE MAKER HAS BEEN TOLD THAT SUCH LOSS IS POSSIBLE.",
        "THE ENTIRE LIABILITY OF THE MAKER AND ITS SUPPLIERS UNDER OR IN "
        "CONNECTION WITH THIS AGREEMENT IS LIMITED TO THE GREATER OF THE "
        "AMOUNT YOU ACTUALLY PAID FOR THE SOFTWARE AND FIVE UNITS OF THE "
        "LOCAL CURRENCY. THIS LIMIT APPLIES EVEN IF A REMEDY FAILS OF ITS "
        "ESSENTIAL PURPOSE.",
        "Nothing in this agreement limits or excludes liability for death or "
        "personal injury caused by negligence, for fraud, or for any other "
        "matter for which liability cannot be limited or excluded by law.",
    ]),
    ("APPLICABLE LAW", [
        "This agreement, and any dispute or claim that arises out of it or "
        "in connection with it, is governed by the law of the place where "
        "the Maker has its principal office, without regard to its rules on "
        "the conflict of laws. The courts of that place have exclusive "
        "jurisdiction, except that the Maker may seek urgent relief in any "
        "court that has jurisdiction over you.",
        "The United Nations Convention on Contracts for the International "
        "Sale of Goods does not apply to this agreement.",
    ]),
    ("YOUR RIGHTS AS A CONSUMER", [
        "This agreement describes certain legal rights. You may have other "
        "rights under the law of your country or region, including rights as "
        "a consumer that cannot be changed by contract. This agreement does "
        "not change those rights where the law does not allow it to do so.",
        "In particular, where the law of your place of residence implies "
        "warranties or conditions that cannot be excluded, the disclaimer in "
        "section 19 applies only to the extent permitted, and the duration "
        "of any implied warranty is limited to ninety days from the day on "
        "which you first installed the Software.",
    ]),
    ("THE WHOLE AGREEMENT", [
        "This agreement, together with any terms that accompany an update or "
        "supplement under section 6, is the whole agreement between you and "
        "the Maker about the Software. It replaces every earlier or "
        "contemporaneous understanding, whether written or spoken, on the "
        "same subject.",
        "If a court holds any provision of this agreement to be invalid or "
        "unenforceable, that provision is to be applied to the greatest "
        "extent permitted and the remaining provisions stay in full force. A "
        "failure or delay by the Maker in enforcing any provision is not a "
        "waiver of it. Notices to the Maker are to be sent to the address "
        "that it publishes for that purpose; notices to you may be given "
        "with an update of the Software or by any other reasonable means.",
        "Any translation of this agreement is provided for convenience. If "
        "the versions differ, the English version prevails, except where the "
        "law of your country requires otherwise.",
    ]),
]

# A shortened French rendering follows the English text, as in agreements
# shipped with French-language packages; it also puts accented letters of
# the code page in the file.
FRENCH = ("VERSION FRANÇAISE ABRÉGÉE – TEXTE DE REMPLACEMENT", [
    "Le présent document est un texte de remplacement, rédigé uniquement "
    "pour permettre la construction et l’essai du programme d’installation "
    "de Snapharbor. Il ne constitue pas une licence, ne confère aucun droit "
    "et n’engage personne. Il doit être remplacé par le contrat de licence "
    "fourni par l’éditeur du Framework avant toute diffusion du programme "
    "d’installation.",
    "Sous réserve du respect des présentes conditions, l’éditeur vous "
    "accorde le droit non exclusif et non cessible d’installer et "
    "d’utiliser le Logiciel sur les appareils que vous possédez ou "
    "contrôlez, afin d’y faire fonctionner des applications conçues pour "
    "lui. Vous pouvez en réaliser une copie de sauvegarde, à condition d’y "
    "conserver toutes les mentions de propriété.",
    "Les éditeurs d’applications peuvent distribuer le paquet "
    "d’installation non modifié du Logiciel avec leurs propres "
    "applications, à condition que celles-ci y ajoutent une fonctionnalité "
    "importante, que leurs utilisateurs acceptent avant l’installation des "
    "conditions au moins aussi protectrices que celles-ci, et que les noms "
    "et les marques de l’éditeur ne soient pas employés sans son accord "
    "écrit.",
    "Le Logiciel est concédé sous licence et non vendu. Sauf dans la mesure "
    "où la loi applicable l’autorise expressément, il est interdit de le "
    "désassembler, de le décompiler, de contourner ses limitations "
    "techniques, de le louer, de le prêter ou de le proposer comme service "
    "d’hébergement commercial.",
    "Certaines fonctions du Logiciel peuvent se connecter à des services "
    "exploités par l’éditeur afin de rechercher des mises à jour. Elles "
    "transmettent alors des informations techniques, telles que la version "
    "du Logiciel et celle du système d’exploitation, mais aucune donnée "
    "permettant de vous identifier personnellement.",
    "Les mises à jour et les compléments fournis par l’éditeur font partie "
    "du Logiciel, sauf si d’autres conditions les accompagnent. L’éditeur "
    "n’est pas tenu d’en fournir et peut cesser d’en fournir à tout moment.",
    "DANS TOUTE LA MESURE PERMISE PAR LA LOI, LE LOGICIEL EST FOURNI « EN "
    "L’ÉTAT », SANS GARANTIE D’AUCUNE SORTE, EXPRESSE, IMPLICITE OU LÉGALE. "
    "VOUS ASSUMEZ L’ENSEMBLE DES RISQUES LIÉS À SA QUALITÉ, À SES "
    "PERFORMANCES ET AUX RÉSULTATS DE SON UTILISATION.",
    "L’éditeur et ses fournisseurs ne sauraient être tenus responsables "
    "d’aucun dommage indirect, accessoire ou spécial, notamment de la perte "
    "de bénéfices ou de données. Leur responsabilité totale est limitée au "
    "montant que vous avez effectivement payé pour le Logiciel ou, s’il est "
    "supérieur, à cinq unités de la monnaie locale. Ces limitations ne "
    "s’appliquent pas là où la loi interdit de limiter la responsabilité, "
    "notamment en cas de fraude ou de dommage corporel.",
    "Vous pouvez bénéficier, en vertu de la loi de votre pays ou de votre "
    "région, de droits que le présent document ne modifie pas, notamment de "
    "droits du consommateur auxquels il ne peut être dérogé par contrat.",
    "Ce contrat prend fin de plein droit si vous n’en respectez pas les "
    "conditions. Vous devez alors cesser d’utiliser le Logiciel et en "
    "détruire toutes les copies. En cas de divergence entre la présente "
    "version abrégée et la version anglaise, cette dernière prévaut, sauf "
    "disposition contraire de la loi de votre pays.",
])

CLOSING = [
    "Should you have any question about this agreement, or wish to contact "
    "the Maker for any reason, please use the contact details published "
    "with the Software.",
    "Copyright © the Framework maker (placeholder). All rights reserved. "
    "This stand-in is to be removed from every build that leaves the "
    "development team.",
]


SECTIONS.append((
    "NOTICES AND COMMUNICATIONS",
    [
        "(a) Any notice under this placeholder agreement would be given in "
        "writing and would take effect when received by the party to whom it is "
        "addressed. Because this text is a build stand-in, no address for notices "
        "is given here and no notice sent in reliance on it has any effect.",
        "(b) Electronic communications shown by the installer, including the "
        "messages of its wizard and the entries of its session log, are not "
        "notices under this agreement. They describe the progress of an "
        "installation and nothing more.",
        "(c) Where the real agreement supplied by the Framework\u2019s maker "
        "contains its own provisions on notices, those provisions replace this "
        "section entirely, together with every other section of this text. "
        "Nothing in this placeholder survives that replacement.",
        "(d) Headings are for convenience only and do not change the meaning "
        "of any section. Words in the singular include the plural and the "
        "other way round, and \u201cincluding\u201d means including without "
        "limitation.",
    ],
))


def wrap(paragraph, indent=""):
    # One line per paragraph: the licence viewer wraps to its own width, and
    # hard breaks made for a wider window would break lines twice.
    return [indent + " ".join(paragraph.split())]


def build():
    lines = list(TITLE)
    lines += [""] + wrap(NOTE) + [""]
    for number, (heading, paragraphs) in enumerate(SECTIONS, start=1):
        lines.append("%d. %s" % (number, heading))
        lines.append("")
        for p in paragraphs:
            lines += wrap(p, "    ")
            lines.append("")
    lines.append(FRENCH[0])
    lines.append("")
    for p in FRENCH[1]:
        lines += wrap(p, "    ")
        lines.append("")
    for p in CLOSING:
        lines += wrap(p)
        lines.append("")
    while lines[-1] == "":
        lines.pop()
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_licence.py OUTFILE\n")
        return 2
    data = build()
    parent = os.path.dirname(argv[1])
    if parent:
        os.makedirs(parent, exist_ok=True)
    with open(argv[1], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

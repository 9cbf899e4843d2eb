<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Chinese animal</name>
    <message>
        <source>Rat</source>
        <translation>Rat</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Buffle</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Lièvre</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragon</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cheval</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Chèvre</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Singe</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Coq</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cochon</translation>
    </message>
</context>
<context>
    <name>Chinese stem</name>
    <message>
        <source>Jia</source>
        <translation>Jia</translation>
    </message>
    <message>
        <source>Yi</source>
        <translation>Yi</translation>
    </message>
    <message>
        <source>Bing</source>
        <translation>Bing</translation>
    </message>
    <message>
        <source>Ding</source>
        <translation>Ding</translation>
    </message>
    <message>
        <source>Wu</source>
        <translation>Wu</translation>
    </message>
    <message>
        <source>Ji</source>
        <translation>Ji</translation>
    </message>
    <message>
        <source>Geng</source>
        <translation>Geng</translation>
    </message>
    <message>
        <source>Xin</source>
        <translation>Xin</translation>
    </message>
    <message>
        <source>Ren</source>
        <translation>Ren</translation>
    </message>
    <message>
        <source>Gui</source>
        <translation>Gui</translation>
    </message>
</context>
<context>
    <name>Eclipse</name>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Partielle</translation>
    </message>
    <message>
        <source>Non Central</source>
        <translation>Non centrale</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Annulaire</translation>
    </message>
    <message>
        <source>Circular Total</source>
        <translation>Annulaire-totale</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Half Shadow</source>
        <translation>Pénombrale</translation>
    </message>
</context>
<context>
    <name>Hebrew month</name>
    <message>
        <source>Nisan</source>
        <translation>Nissan</translation>
    </message>
    <message>
        <source>Iyar</source>
        <translation>Iyar</translation>
    </message>
    <message>
        <source>Sivan</source>
        <translation>Sivan</translation>
    </message>
    <message>
        <source>Tammuz</source>
        <translation>Tamouz</translation>
    </message>
    <message>
        <source>Av</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Elul</source>
        <translation>Eloul</translation>
    </message>
    <message>
        <source>Tishri</source>
        <translation>Tichri</translation>
    </message>
    <message>
        <source>Heshvan</source>
        <translation>Hechvan</translation>
    </message>
    <message>
        <source>Kislev</source>
        <translation>Kislev</translation>
    </message>
    <message>
        <source>Tevet</source>
        <translation>Tevet</translation>
    </message>
    <message>
        <source>Shevat</source>
        <translation>Chevat</translation>
    </message>
    <message>
        <source>Adar</source>
        <translation>Adar</translation>
    </message>
    <message>
        <source>Adar 2</source>
        <translation>Adar II</translation>
    </message>
</context>
<context>
    <name>Islamic calendar</name>
    <message>
        <source>By the Moon</source>
        <translation>Selon la Lune</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>Civil (tabular)</source>
        <translation>Civil (tabulaire)</translation>
    </message>
</context>
<context>
    <name>Islamic month</name>
    <message>
        <source>Muharram</source>
        <translation>Mouharram</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi&apos;a I</source>
        <translation>Rabia al-awal</translation>
    </message>
    <message>
        <source>Rabi&apos;a II</source>
        <translation>Rabia ath-thani</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Joumada al-oula</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Joumada ath-thania</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>Chaabane</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Chawwal</translation>
    </message>
    <message>
        <source>Dhu al-Q&apos;adah</source>
        <translation>Dhou al-qi’da</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>Dhou al-hijja</translation>
    </message>
</context>
<context>
    <name>Prayer</name>
    <message>
        <source>Dawn</source>
        <translation>Aube</translation>
    </message>
    <message>
        <source>Sun rise</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zénith</translation>
    </message>
    <message>
        <source>Mid day</source>
        <translation>Après-midi</translation>
    </message>
    <message>
        <source>Sun set</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Minuit</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>Dernier tiers de la nuit</translation>
    </message>
    <message>
        <source>Jumu&apos;ah</source>
        <translation>Joumou’a</translation>
    </message>
</context>
<context>
    <name>Prayer method</name>
    <message>
        <source>Almadex (day-arc fractions)</source>
        <translation>Almadex (fractions de l’arc diurne)</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Ligue islamique mondiale</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>Société islamique d’Amérique du Nord (ISNA)</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Autorité générale égyptienne d’arpentage</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>Umm al-Qura, La Mecque</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>Université des sciences islamiques, Karachi</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institut de géophysique, université de Téhéran</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari, Leva Institute, Qum</source>
        <translation>Chiite duodécimain, institut Leva, Qom</translation>
    </message>
    <message>
        <source>Gulf region</source>
        <translation>Région du Golfe</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>Koweït</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>Qatar</translation>
    </message>
    <message>
        <source>Singapore, Malaysia, Indonesia</source>
        <translation>Singapour, Malaisie, Indonésie</translation>
    </message>
    <message>
        <source>France (UOIF)</source>
        <translation>France (UOIF)</translation>
    </message>
    <message>
        <source>Turkey (Diyanet)</source>
        <translation>Turquie (Diyanet)</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>Dubaï</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Comité mondial d’observation du croissant</translation>
    </message>
    <message>
        <source>Algeria (Ministry of Religious Affairs)</source>
        <translation>Algérie (ministère des Affaires religieuses)</translation>
    </message>
    <message>
        <source>Tunisia (Ministry of Religious Affairs)</source>
        <translation>Tunisie (ministère des Affaires religieuses)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Shafi&apos;i, Maliki, Hanbali (shadow 1)</source>
        <translation>Chafiite, malikite, hanbalite (ombre 1)</translation>
    </message>
    <message>
        <source>Hanafi (shadow 2)</source>
        <translation>Hanafite (ombre 2)</translation>
    </message>
    <message>
        <source>Recommended for the latitude</source>
        <translation>Recommandée pour la latitude</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>Milieu de la nuit</translation>
    </message>
    <message>
        <source>One-seventh of the night</source>
        <translation>Un septième de la nuit</translation>
    </message>
    <message>
        <source>Twilight angle / 60 of the night</source>
        <translation>Angle du crépuscule / 60 de la nuit</translation>
    </message>
    <message>
        <source>Nearest day with sunrise and sunset</source>
        <translation>Jour le plus proche avec lever et coucher du soleil</translation>
    </message>
    <message>
        <source>Nearest latitude with sunrise and sunset</source>
        <translation>Latitude la plus proche avec lever et coucher du soleil</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Qibla: %1° from true north, %2 km to the Kaaba</source>
        <translation>Qibla&#xa0;: %1° depuis le nord géographique, %2 km jusqu’à la Kaaba</translation>
    </message>
    <message>
        <source>sunset to dawn</source>
        <translation>du coucher du soleil à l’aube</translation>
    </message>
    <message>
        <source>sunset to sunrise</source>
        <translation>du coucher au lever du soleil</translation>
    </message>
    <message>
        <source>Prayers time for location: </source>
        <translation>Heures des prières pour le lieu&#xa0;: </translation>
    </message>
    <message>
        <source>Latitude: </source>
        <translation>Latitude&#xa0;: </translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>Longitude: </source>
        <translation>Longitude&#xa0;: </translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Local Time: </source>
        <translation>Heure locale&#xa0;: </translation>
    </message>
    <message>
        <source>UT</source>
        <translation>TU</translation>
    </message>
    <message>
        <source>Method: </source>
        <translation>Méthode&#xa0;: </translation>
    </message>
    <message>
        <source>Night length: </source>
        <translation>Durée de la nuit&#xa0;: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Date&#xa0;: </translation>
    </message>
    <message>
        <source>UT offset: </source>
        <translation>Décalage TU&#xa0;: </translation>
    </message>
    <message>
        <source>: </source>
        <translation>&#xa0;: </translation>
    </message>
</context>
<context>
    <name>TBetweenForm</name>
    <message>
        <source>In Between dates</source>
        <translation>Entre deux dates</translation>
    </message>
    <message>
        <source>Select dates : </source>
        <translation>Choisissez les dates&#xa0;: </translation>
    </message>
</context>
<context>
    <name>TCalendarForm</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the calendar</source>
        <translation>Fermer le calendrier</translation>
    </message>
    <message>
        <source>0000 is not a leap year</source>
        <translation>0000 n’est pas une année bissextile</translation>
    </message>
</context>
<context>
    <name>TInfoForm</name>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Visit the Almadex home page</source>
        <translation>Visiter le site d’Almadex</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TLunarForm</name>
    <message>
        <source>Moon/Seasons...</source>
        <translation>Lune/Saisons…</translation>
    </message>
    <message>
        <source>Time : </source>
        <translation>Heure&#xa0;: </translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Paste current time</source>
        <translation>&lt;&lt;&lt; Coller l’heure actuelle</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Update astronomical data</source>
        <translation>Actualiser les données astronomiques</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Moon : </source>
        <translation>Lune&#xa0;: </translation>
    </message>
    <message>
        <source>Moon phase viewer: click to change location</source>
        <translation>Phase de la Lune&#xa0;: cliquez pour changer de lieu</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>percentage of the moon surface illuminated</source>
        <translation>pourcentage de la surface de la Lune éclairée</translation>
    </message>
    <message>
        <source>Moon&apos;s age</source>
        <translation>Âge de la Lune</translation>
    </message>
    <message>
        <source>in days</source>
        <translation>en jours</translation>
    </message>
    <message>
        <source>Lunation n°</source>
        <translation>Lunaison n°</translation>
    </message>
    <message>
        <source>count of the new moons since January 1st, 1923</source>
        <translation>nombre de nouvelles lunes depuis le 1er janvier 1923</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>in angular seconds (1/3600 degrees)</source>
        <translation>en secondes d’arc (1/3600 de degré)</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>in kilometers</source>
        <translation>en kilomètres</translation>
    </message>
    <message>
        <source>Next eclipse </source>
        <translation>Prochaine éclipse </translation>
    </message>
    <message>
        <source>date and time of the next lunar eclipse</source>
        <translation>date et heure de la prochaine éclipse de Lune</translation>
    </message>
    <message>
        <source>Blue moon </source>
        <translation>Lune bleue </translation>
    </message>
    <message>
        <source>the second full moon in one month</source>
        <translation>la deuxième pleine lune d’un même mois</translation>
    </message>
    <message>
        <source>Seasons : </source>
        <translation>Saisons&#xa0;: </translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Starting dates</source>
        <translation>Dates de début</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Printemps</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Automne</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source> Gregorian: </source>
        <translation> Grégorien&#xa0;: </translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>between 999 and 2399</source>
        <translation>entre 999 et 2399</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert this Gregorian date</source>
        <translation>Convertir cette date grégorienne</translation>
    </message>
    <message>
        <source> Islamic: </source>
        <translation> Hégirien&#xa0;: </translation>
    </message>
    <message>
        <source>between 389 and 1833</source>
        <translation>entre 389 et 1833</translation>
    </message>
    <message>
        <source>Month name</source>
        <translation>Nom du mois</translation>
    </message>
    <message>
        <source>Convert this Islamic date</source>
        <translation>Convertir cette date hégirienne</translation>
    </message>
    <message>
        <source> Chinese: </source>
        <translation> Chinois&#xa0;: </translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>between 1 and 60</source>
        <translation>entre 1 et 60</translation>
    </message>
    <message>
        <source>between 61 and 84</source>
        <translation>entre 61 et 84</translation>
    </message>
    <message>
        <source>Stem: </source>
        <translation>Tige&#xa0;: </translation>
    </message>
    <message>
        <source>Zodiac: </source>
        <translation>Zodiaque&#xa0;: </translation>
    </message>
    <message>
        <source>Is a leap month ?</source>
        <translation>Mois intercalaire&#xa0;?</translation>
    </message>
    <message>
        <source>Convert this Chinese date</source>
        <translation>Convertir cette date chinoise</translation>
    </message>
    <message>
        <source> Hebrew: </source>
        <translation> Hébraïque&#xa0;: </translation>
    </message>
    <message>
        <source>between 4759 and 6160</source>
        <translation>entre 4759 et 6160</translation>
    </message>
    <message>
        <source>Convert this Hebrew date</source>
        <translation>Convertir cette date hébraïque</translation>
    </message>
    <message>
        <source> Julian: </source>
        <translation> Julien&#xa0;: </translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Jours&#xa0;:</translation>
    </message>
    <message>
        <source>number of day elapsed since January 1st, 4712 b.c.</source>
        <translation>nombre de jours écoulés depuis le 1er janvier 4712 av. J.-C.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Fill in...</source>
        <translation>&amp;Remplir…</translation>
    </message>
    <message>
        <source>&amp;Gregorian calendar</source>
        <translation>Calendrier &amp;grégorien</translation>
    </message>
    <message>
        <source>Islamic calendar</source>
        <translation>Calendrier hégirien</translation>
    </message>
    <message>
        <source>&amp;Hebrew calendar</source>
        <translation>Calendrier &amp;hébraïque</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>O&amp;utils</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Print calendars...</source>
        <translation>&amp;Imprimer les calendriers…</translation>
    </message>
    <message>
        <source>Print calendars...</source>
        <translation>Imprimer les calendriers…</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figuration de l’impression…</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Configuration de l’impression…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit Almadex</source>
        <translation>Quitter Almadex</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Cop&amp;y all calendars</source>
        <translation>Copier &amp;tous les calendriers</translation>
    </message>
    <message>
        <source>Copy all calendars dates</source>
        <translation>Copier les dates de tous les calendriers</translation>
    </message>
    <message>
        <source>Current &amp;date</source>
        <translation>&amp;Date du jour</translation>
    </message>
    <message>
        <source>Current date</source>
        <translation>Date du jour</translation>
    </message>
    <message>
        <source>New &amp;Year</source>
        <translation>&amp;Nouvel An</translation>
    </message>
    <message>
        <source>Christian New Year</source>
        <translation>Nouvel An chrétien</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>&amp;Easter date</source>
        <translation>Date de &amp;Pâques</translation>
    </message>
    <message>
        <source>Easter date</source>
        <translation>Date de Pâques</translation>
    </message>
    <message>
        <source>Palm Sunday</source>
        <translation>Rameaux</translation>
    </message>
    <message>
        <source>Whitsun</source>
        <translation>Pentecôte</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Toussaint</translation>
    </message>
    <message>
        <source>Christ&amp;mas</source>
        <translation>&amp;Noël</translation>
    </message>
    <message>
        <source>Xmas</source>
        <translation>Noël</translation>
    </message>
    <message>
        <source>Muslims&apos; New Year</source>
        <translation>Nouvel An musulman</translation>
    </message>
    <message>
        <source>Achoura</source>
        <translation>Achoura</translation>
    </message>
    <message>
        <source>Fasting month</source>
        <translation>Mois du jeûne</translation>
    </message>
    <message>
        <source>Minor fair</source>
        <translation>Aïd el-Fitr</translation>
    </message>
    <message>
        <source>Major fair</source>
        <translation>Aïd el-Kébir</translation>
    </message>
    <message>
        <source>El Maoulid</source>
        <translation>El Mawlid</translation>
    </message>
    <message>
        <source>Ne&amp;w Year</source>
        <translation>No&amp;uvel An</translation>
    </message>
    <message>
        <source>Jewish New Year</source>
        <translation>Nouvel An juif</translation>
    </message>
    <message>
        <source>&amp;Pesach date</source>
        <translation>Date de &amp;Pessa’h</translation>
    </message>
    <message>
        <source>Pesach date</source>
        <translation>Date de Pessa’h</translation>
    </message>
    <message>
        <source>Cale&amp;ndar...</source>
        <translation>Ca&amp;lendrier…</translation>
    </message>
    <message>
        <source>View the calendar</source>
        <translation>Afficher le calendrier</translation>
    </message>
    <message>
        <source>Moon/Seasons...</source>
        <translation>Lune/Saisons…</translation>
    </message>
    <message>
        <source>Moon/Seasons info</source>
        <translation>Lune et saisons</translation>
    </message>
    <message>
        <source>View/Hide the calendar</source>
        <translation>Afficher/masquer le calendrier</translation>
    </message>
    <message>
        <source>Muslim Prayer</source>
        <translation>Prière musulmane</translation>
    </message>
    <message>
        <source>In between dates</source>
        <translation>Entre deux dates</translation>
    </message>
    <message>
        <source>Dates Repository</source>
        <translation>Dates mémorisées</translation>
    </message>
    <message>
        <source>Auto Run</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Con&amp;tents...</source>
        <translation>&amp;Sommaire…</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Sommaire…</translation>
    </message>
    <message>
        <source>Tips...</source>
        <translation>Astuces…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos…</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>Almadex &amp;home page...</source>
        <translation>&amp;Site d’Almadex…</translation>
    </message>
    <message>
        <source>Almadex home page...</source>
        <translation>Site d’Almadex…</translation>
    </message>
</context>
<context>
    <name>TMonthForm</name>
    <message>
        <source>Prayers Schedule</source>
        <translation>Horaires des prières</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print the current report</source>
        <translation>Imprimer ce rapport</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close report</source>
        <translation>Fermer le rapport</translation>
    </message>
</context>
<context>
    <name>TPrayerForm</name>
    <message>
        <source>Muslim Prayer</source>
        <translation>Prière musulmane</translation>
    </message>
    <message>
        <source>I am here: </source>
        <translation>Je suis ici&#xa0;: </translation>
    </message>
    <message>
        <source>Latitude :</source>
        <translation>Latitude&#xa0;:</translation>
    </message>
    <message>
        <source>in degrees</source>
        <translation>en degrés</translation>
    </message>
    <message>
        <source>in angular minutes</source>
        <translation>en minutes d’arc</translation>
    </message>
    <message>
        <source>in angular seconds</source>
        <translation>en secondes d’arc</translation>
    </message>
    <message>
        <source>N/S hemisphere</source>
        <translation>Hémisphère N/S</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>Longitude&#xa0;:</translation>
    </message>
    <message>
        <source>W/E of Greenwich</source>
        <translation>O/E de Greenwich</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Time zone :</source>
        <translation>Fuseau&#xa0;:</translation>
    </message>
    <message>
        <source>Prayers time for :</source>
        <translation>Prières du&#xa0;:</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>Prière</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Current date</source>
        <translation>Date du jour</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Next month...</source>
        <translation>Mois suivant…</translation>
    </message>
    <message>
        <source>include sun rise</source>
        <translation>inclure le lever du soleil</translation>
    </message>
    <message>
        <source>Use arabian names</source>
        <translation>Noms arabes transcrits</translation>
    </message>
    <message>
        <source>Use english names</source>
        <translation>Noms usuels</translation>
    </message>
    <message>
        <source>Use names in Arabic script</source>
        <translation>Noms en écriture arabe</translation>
    </message>
</context>
<context>
    <name>TRepositoryForm</name>
    <message>
        <source>Dates Repository</source>
        <translation>Dates mémorisées</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>New date : </source>
        <translation>Nouvelle date&#xa0;: </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>Tfrm_TipOfTheDay</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Le saviez-vous…</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Sorry, the list of tips is empty...</source>
        <translation>Désolé, la liste des astuces est vide…</translation>
    </message>
</context>
<context>
    <name>almadex::TAlertsDialog</name>
    <message>
        <source>Alerts</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>Prière</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Reminder before</source>
        <translation>Rappel avant</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notification</translation>
    </message>
    <message>
        <source>Notification and sound</source>
        <translation>Notification et son</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Skipped on %1: %2</source>
        <translation>Omise le %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Son&#xa0;:</translation>
    </message>
    <message>
        <source>The default chime</source>
        <translation>Le carillon par défaut</translation>
    </message>
    <message>
        <source>Dawn prayer&apos;s sound:</source>
        <translation>Son de la prière de l’aube&#xa0;:</translation>
    </message>
    <message>
        <source>The same sound</source>
        <translation>Le même son</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Audio files (*.wav *.ogg *.oga *.mp3)</source>
        <translation>Fichiers audio (*.wav *.ogg *.oga *.mp3)</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume&#xa0;:</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Mute today</source>
        <translation>Silence aujourd’hui</translation>
    </message>
</context>
<context>
    <name>almadex::TAppCore</name>
    <message>
        <source>%1 holds values that cannot be read: %2. The prayer window shows its defaults in their place, which are saved when the program ends.</source>
        <translation>%1 contient des valeurs illisibles&#xa0;: %2. La fenêtre des prières montre à leur place ses valeurs par défaut, qui seront enregistrées à la fin du programme.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>almadex::TAutoRun</name>
    <message>
        <source>The registry value %1 cannot be written.</source>
        <translation>La valeur de registre %1 ne peut pas être écrite.</translation>
    </message>
    <message>
        <source>The registry value %1 cannot be removed.</source>
        <translation>La valeur de registre %1 ne peut pas être supprimée.</translation>
    </message>
</context>
<context>
    <name>almadex::TBetweenForm</name>
    <message>
        <source>Please, select two dates...</source>
        <translation>Choisissez deux dates…</translation>
    </message>
    <message>
        <source>%1 Day(s)</source>
        <translation>%1 jour(s)</translation>
    </message>
</context>
<context>
    <name>almadex::TCalendarForm</name>
    <message>
        <source>%1 is a leap year</source>
        <translation>%1 est une année bissextile</translation>
    </message>
    <message>
        <source>%1 is not a leap year</source>
        <translation>%1 n’est pas une année bissextile</translation>
    </message>
</context>
<context>
    <name>almadex::TCompanion</name>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>The prayer times cannot be planned</source>
        <translation>Les heures de prière ne peuvent pas être prévues</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>%1 %2 - %3</source>
        <translation>%1 %2 - %3</translation>
    </message>
    <message>
        <source>%1 %2 - in %3</source>
        <translation>%1 %2 - dans %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The sound file %1 cannot be read: the chime plays instead.</source>
        <translation>Le fichier son %1 ne peut pas être lu&#xa0;: le carillon sonne à sa place.</translation>
    </message>
    <message>
        <source>To change the alerts: Alerts... in the tray&apos;s menu or in the prayer window.</source>
        <translation>Pour changer les alertes&#xa0;: Alertes… dans le menu de la zone de notification ou dans la fenêtre des prières.</translation>
    </message>
    <message>
        <source>No prayer time in the next days</source>
        <translation>Aucune heure de prière dans les prochains jours</translation>
    </message>
    <message>
        <source>Open Almadex</source>
        <translation>Ouvrir Almadex</translation>
    </message>
    <message>
        <source>Mute today</source>
        <translation>Silence aujourd’hui</translation>
    </message>
    <message>
        <source>Alerts...</source>
        <translation>Alertes…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Almadex keeps running in the tray to alert at the prayer times. Quit in its menu ends it; Options &gt; Keep running in the tray changes this.</source>
        <translation>Almadex reste actif dans la zone de notification pour alerter aux heures de prière. Quitter, dans son menu, l’arrête&#xa0;; Options &gt; Rester dans la zone de notification change ce réglage.</translation>
    </message>
</context>
<context>
    <name>almadex::TDataFiles</name>
    <message>
        <source>%1 could not be read (%2); it will be left as it is.</source>
        <translation>%1 n’a pas pu être lu (%2)&#xa0;; il restera tel quel.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. What could be read of it was read.</source>
        <translation>%1 est endommagé&#xa0;: %2. Ce qui pouvait en être lu l’a été.</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>Impossible d’enregistrer %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot set the permissions of the file</source>
        <translation>impossible de régler les droits du fichier</translation>
    </message>
    <message>
        <source>cannot flush the file to disk</source>
        <translation>impossible d’écrire le fichier sur le disque</translation>
    </message>
</context>
<context>
    <name>almadex::TExtraTimesMenu</name>
    <message>
        <source>&amp;Imsak</source>
        <translation>&amp;Imsak</translation>
    </message>
    <message>
        <source>Imsak &amp;before dawn</source>
        <translation>Imsak &amp;avant l’aube</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Midnight</source>
        <translation>&amp;Minuit</translation>
    </message>
    <message>
        <source>&amp;Last third of the night</source>
        <translation>&amp;Dernier tiers de la nuit</translation>
    </message>
    <message>
        <source>&amp;Night of midnight</source>
        <translation>&amp;Nuit partagée par minuit</translation>
    </message>
    <message>
        <source>Sunset to &amp;dawn</source>
        <translation>Du coucher du soleil à l’&amp;aube</translation>
    </message>
    <message>
        <source>Sunset to &amp;sunrise</source>
        <translation>Du coucher au &amp;lever du soleil</translation>
    </message>
    <message>
        <source>&amp;Sunset in its own row</source>
        <translation>&amp;Coucher du soleil sur sa propre ligne</translation>
    </message>
    <message>
        <source>&amp;Jumu&apos;ah on Fridays</source>
        <translation>&amp;Joumou’a le vendredi</translation>
    </message>
</context>
<context>
    <name>almadex::TGuard</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>almadex::TInfoForm</name>
    <message>
        <source>The link</source>
        <translation>Le lien</translation>
    </message>
    <message>
        <source>%1 version %2
A desktop almanac</source>
        <translation>%1 version %2
Un almanach de bureau</translation>
    </message>
    <message>
        <source>The user&apos;s guide</source>
        <translation>Le guide de l’utilisateur</translation>
    </message>
    <message>
        <source>The help file cannot be found: %1</source>
        <translation>Le fichier d’aide est introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Open the user&apos;s guide</source>
        <translation>Ouvrir le guide de l’utilisateur</translation>
    </message>
    <message>
        <source>Places by name: the cities of &lt;a href=&quot;https://www.geonames.org/&quot;&gt;GeoNames&lt;/a&gt; (© GeoNames), licensed under the &lt;a href=&quot;https://creativecommons.org/licenses/by/4.0/&quot;&gt;Creative Commons Attribution 4.0&lt;/a&gt; licence.</source>
        <translation>Lieux par leur nom&#xa0;: les villes de &lt;a href=&quot;https://www.geonames.org/&quot;&gt;GeoNames&lt;/a&gt; (© GeoNames), sous licence &lt;a href=&quot;https://creativecommons.org/licenses/by/4.0/&quot;&gt;Creative Commons Attribution 4.0&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
</context>
<context>
    <name>almadex::TIntroForm</name>
    <message>
        <source>%1 version %2
A desktop almanac: calendars and feasts, the Moon and the seasons, prayer times.</source>
        <translation>%1 version %2
Un almanach de bureau&#xa0;: calendriers et fêtes, la Lune et les saisons, les heures de prière.</translation>
    </message>
</context>
<context>
    <name>almadex::TLanguage</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>almadex::TLunarForm</name>
    <message>
        <source>Wrong date !</source>
        <translation>Date erronée&#xa0;!</translation>
    </message>
    <message>
        <source>Please, note that %1 is an invalid date.</source>
        <translation>Attention, %1 n’est pas une date valide.</translation>
    </message>
    <message>
        <source>Moon as seen on the northern hemisphere</source>
        <translation>La Lune vue de l’hémisphère nord</translation>
    </message>
    <message>
        <source>Moon as seen near the equator</source>
        <translation>La Lune vue près de l’équateur</translation>
    </message>
    <message>
        <source>Moon as seen on the southern hemisphere</source>
        <translation>La Lune vue de l’hémisphère sud</translation>
    </message>
    <message>
        <source>%1″</source>
        <comment>angular seconds</comment>
        <translation>%1″</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
</context>
<context>
    <name>almadex::TMainForm</name>
    <message>
        <source>Umm al-Qura off its table</source>
        <translation>Umm al-Qura hors de sa table</translation>
    </message>
    <message>
        <source>civil</source>
        <translation>civil</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Le saviez-vous…</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Islamic calendar</source>
        <translation>Calendrier &amp;hégirien</translation>
    </message>
    <message>
        <source>Islamic date &amp;adjustment</source>
        <translation>&amp;Ajustement de la date hégirienne</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Arabic-Indic &amp;digits (٠١٢٣)</source>
        <translation>&amp;Chiffres arabes orientaux (٠١٢٣)</translation>
    </message>
    <message>
        <source>Wrong date !</source>
        <translation>Date erronée&#xa0;!</translation>
    </message>
    <message>
        <source>Please, check this out.</source>
        <translation>Veuillez vérifier.</translation>
    </message>
    <message>
        <source> Islamic%1: </source>
        <translation> Hégirien%1&#xa0;: </translation>
    </message>
    <message>
        <source>ICU tabulates Umm al-Qura for %1 to %2 AH; %3 AH is computed by its own arithmetic, the civil calendar.</source>
        <translation>ICU donne Umm al-Qura en table de %1 à %2 de l’hégire&#xa0;; l’an %3 est calculé par sa propre arithmétique, celle du calendrier civil.</translation>
    </message>
    <message>
        <source>Please, note that Gregorian date is invalid.</source>
        <translation>Attention, cette date grégorienne n’est pas valide.</translation>
    </message>
    <message>
        <source>Please, note this Hebrew date is invalid.</source>
        <translation>Attention, cette date hébraïque n’est pas valide.</translation>
    </message>
    <message>
        <source>Please, note this Chinese date is invalid.</source>
        <translation>Attention, cette date chinoise n’est pas valide.</translation>
    </message>
    <message>
        <source>Please, note this Islamic date is invalid.</source>
        <translation>Attention, cette date hégirienne n’est pas valide.</translation>
    </message>
    <message>
        <source>The user&apos;s guide</source>
        <translation>Le guide de l’utilisateur</translation>
    </message>
    <message>
        <source>The help file cannot be found: %1</source>
        <translation>Le fichier d’aide est introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Almadex cannot be set to start when you log on.</source>
        <translation>Almadex ne peut pas être réglé pour démarrer à l’ouverture de session.</translation>
    </message>
    <message>
        <source>Almadex cannot be kept from starting when you log on.</source>
        <translation>Almadex ne peut pas être empêché de démarrer à l’ouverture de session.</translation>
    </message>
    <message>
        <source>Auto Run</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Gregorian: Day:%1 Month:%2 Year:%3</source>
        <translation>Grégorien&#xa0;: jour&#xa0;: %1 mois&#xa0;: %2 année&#xa0;: %3</translation>
    </message>
    <message>
        <source>Islamic: Day:%1 Month: %2 Year:%3</source>
        <translation>Hégirien&#xa0;: jour&#xa0;: %1 mois&#xa0;: %2 année&#xa0;: %3</translation>
    </message>
    <message>
        <source>Chinese: Day:%1 Month:%2 Year:%3</source>
        <translation>Chinois&#xa0;: jour&#xa0;: %1 mois&#xa0;: %2 année&#xa0;: %3</translation>
    </message>
    <message>
        <source>   Cycle:%1 Stem: %2 Zodiac: %3</source>
        <translation>   Cycle&#xa0;: %1 Tige&#xa0;: %2 Zodiaque&#xa0;: %3</translation>
    </message>
    <message>
        <source>Hebrew: Day:%1 Month: %2 Year:%3</source>
        <translation>Hébraïque&#xa0;: jour&#xa0;: %1 mois&#xa0;: %2 année&#xa0;: %3</translation>
    </message>
    <message>
        <source>Julian: %1 days.</source>
        <translation>Julien&#xa0;: %1 jours.</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Heure&#xa0;: %1</translation>
    </message>
    <message>
        <source>Printer&apos;s trouble?</source>
        <translation>Problème d’imprimante&#xa0;?</translation>
    </message>
    <message>
        <source>Printing cannot proceed, please check the printer out !</source>
        <translation>L’impression ne peut pas se faire, veuillez vérifier l’imprimante&#xa0;!</translation>
    </message>
    <message>
        <source>Keep running in the &amp;tray</source>
        <translation>Rester dans la &amp;zone de notification</translation>
    </message>
</context>
<context>
    <name>almadex::TMonthForm</name>
    <message>
        <source>Rich text (*.rtf)</source>
        <translation>Texte enrichi (*.rtf)</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The schedule could not be printed.</source>
        <translation>Les horaires n’ont pas pu être imprimés.</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>Impossible d’enregistrer %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>almadex::TNotifier</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>almadex::TPlaceFinder</name>
    <message>
        <source>&amp;Find a city:</source>
        <translation>&amp;Chercher une ville&#xa0;:</translation>
    </message>
    <message>
        <source>Oran, Alger, وهران...</source>
        <translation>Oran, Alger, وهران…</translation>
    </message>
    <message>
        <source>A city&apos;s name, in any case, with or without its accents; its French or Arabic name</source>
        <translation>Le nom d’une ville, en majuscules ou minuscules, avec ou sans accents&#xa0;; son nom français ou arabe</translation>
    </message>
    <message>
        <source>Cities cannot be found by name: their data cannot be loaded</source>
        <translation>Les villes ne peuvent pas être cherchées par leur nom&#xa0;: leurs données ne peuvent pas être chargées</translation>
    </message>
    <message>
        <source>No city&apos;s name begins so</source>
        <translation>Aucun nom de ville ne commence ainsi</translation>
    </message>
</context>
<context>
    <name>almadex::TPrayerForm</name>
    <message>
        <source>&amp;Method</source>
        <translation>&amp;Méthode</translation>
    </message>
    <message>
        <source>&amp;Asr</source>
        <translation>&amp;Asr</translation>
    </message>
    <message>
        <source>&amp;High latitudes</source>
        <translation>&amp;Hautes latitudes</translation>
    </message>
    <message>
        <source>Days without sunrise or sunset</source>
        <translation>Jours sans lever ni coucher du soleil</translation>
    </message>
    <message>
        <source>Round to the minute</source>
        <translation>Arrondir à la minute</translation>
    </message>
    <message>
        <source>Adjustments...</source>
        <translation>Ajustements…</translation>
    </message>
    <message>
        <source>Zone...</source>
        <translation>Fuseau…</translation>
    </message>
    <message>
        <source>Time zone with daylight saving time</source>
        <translation>Fuseau horaire avec heure d’été</translation>
    </message>
    <message>
        <source>%1: UT%2 on this day</source>
        <translation>%1&#xa0;: TU%2 ce jour-là</translation>
    </message>
    <message>
        <source>Qibla %1°</source>
        <translation>Qibla %1°</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km to the Kaaba</source>
        <translation>Qibla&#xa0;: %1° depuis le nord géographique, %2 km jusqu’à la Kaaba</translation>
    </message>
    <message>
        <source>not a day in %1: its clocks skipped it</source>
        <translation>pas un jour à %1&#xa0;: ses horloges l’ont sauté</translation>
    </message>
    <message>
        <source>Today&apos;s prayer times cannot be computed for the place saved in the prayer window (%1, %2): %3</source>
        <translation>Les heures de prière du jour ne peuvent pas être calculées pour le lieu enregistré dans la fenêtre des prières (%1, %2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>&amp;Alerts...</source>
        <translation>&amp;Alertes…</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the window&apos;s title, the place&apos;s name</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The Muslim World League&apos;s, for a country without a known practice</source>
        <translation>Celle de la Ligue islamique mondiale, pour un pays sans usage connu</translation>
    </message>
    <message>
        <source>Usual in %1: %2</source>
        <translation>Usuelle en %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>L’utiliser</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Garder la mienne</translation>
    </message>
    <message>
        <source>Where are you? Type your latitude and longitude, or click the map.</source>
        <translation>Où êtes-vous&#xa0;? Tapez votre latitude et votre longitude, ou cliquez sur la carte.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Where are you? Type your city above, or choose:</source>
        <translation>Où êtes-vous&#xa0;? Tapez votre ville ci-dessus, ou choisissez&#xa0;:</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Where are you? Type the name of your city above.</source>
        <translation>Où êtes-vous&#xa0;? Tapez le nom de votre ville ci-dessus.</translation>
    </message>
    <message>
        <source>Kaaba</source>
        <translation>Kaaba</translation>
    </message>
    <message>
        <source>This place is the Kaaba</source>
        <translation>Ce lieu est la Kaaba</translation>
    </message>
    <message>
        <source>(rules for such days: %1)</source>
        <translation>(règles pour ces jours&#xa0;: %1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>next day</source>
        <translation>lendemain</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>almadex::TPrayerMethodDialog</name>
    <message>
        <source>Fajr:</source>
        <translation>Fajr&#xa0;:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Lever du soleil&#xa0;:</translation>
    </message>
    <message>
        <source>Dhuhr:</source>
        <translation>Dhohr&#xa0;:</translation>
    </message>
    <message>
        <source>Asr:</source>
        <translation>Asr&#xa0;:</translation>
    </message>
    <message>
        <source>Maghrib:</source>
        <translation>Maghrib&#xa0;:</translation>
    </message>
    <message>
        <source>Isha:</source>
        <translation>Icha&#xa0;:</translation>
    </message>
    <message>
        <source>Prayer adjustments</source>
        <translation>Ajustements des prières</translation>
    </message>
    <message>
        <source>Minutes added to each time</source>
        <translation>Minutes ajoutées à chaque heure</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Dhuhr after the transit:</source>
        <translation>Dhohr après le passage au méridien&#xa0;:</translation>
    </message>
    <message>
        <source>Custom method</source>
        <translation>Méthode personnalisée</translation>
    </message>
    <message>
        <source>Fajr angle:</source>
        <translation>Angle du Fajr&#xa0;:</translation>
    </message>
    <message>
        <source>Isha angle:</source>
        <translation>Angle de l’Icha&#xa0;:</translation>
    </message>
    <message>
        <source>Isha after Maghrib (0: by the angle):</source>
        <translation>Icha après le Maghrib (0&#xa0;: selon l’angle)&#xa0;:</translation>
    </message>
    <message>
        <source>Maghrib angle (0: sunset):</source>
        <translation>Angle du Maghrib (0&#xa0;: coucher du soleil)&#xa0;:</translation>
    </message>
    <message>
        <source>Added to the time the method gives, whatever the method.</source>
        <translation>Ajoutées à l’heure que donne la méthode, quelle qu’elle soit.</translation>
    </message>
    <message>
        <source>Dhuhr&apos;s rule</source>
        <translation>Règle du Dhohr</translation>
    </message>
    <message>
        <source>Dhuhr falls this long after the Sun&apos;s transit, before the minutes added above</source>
        <translation>Le Dhohr tombe ce temps après le passage du Soleil au méridien, avant les minutes ajoutées ci-dessus</translation>
    </message>
    <message>
        <source>Used when the method chosen is Custom.</source>
        <translation>Utilisé quand la méthode choisie est Personnalisée.</translation>
    </message>
    <message>
        <source>A Fajr angle of %1° puts dawn after sunrise: give more than 0.8°.</source>
        <translation>Un angle du Fajr de %1° place l’aube après le lever du soleil&#xa0;: donnez plus de 0,8°.</translation>
    </message>
    <message>
        <source>An Isha angle of %1° puts the night before sunset: give more than 0.8°, or minutes after Maghrib.</source>
        <translation>Un angle de l’Icha de %1° place la nuit avant le coucher du soleil&#xa0;: donnez plus de 0,8°, ou des minutes après le Maghrib.</translation>
    </message>
    <message>
        <source>The angles and interval of the Custom method.</source>
        <translation>Les angles et l’intervalle de la méthode personnalisée.</translation>
    </message>
    <message>
        <source>Used when the method chosen is Custom (Method menu).</source>
        <translation>Utilisés quand la méthode choisie est Personnalisée (menu Méthode).</translation>
    </message>
</context>
<context>
    <name>almadex::TRepositoryForm</name>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Undo remove</source>
        <translation>Annuler la suppression</translation>
    </message>
    <message>
        <source>another program changed it since Almadex read it; it was left as it is</source>
        <translation>un autre programme l’a modifié depuis qu’Almadex l’a lu&#xa0;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>Please, type a description for this date.</source>
        <translation>Veuillez taper une description pour cette date.</translation>
    </message>
    <message>
        <source>the file could not be read again (%1)</source>
        <translation>le fichier n’a pas pu être relu (%1)</translation>
    </message>
</context>
<context>
    <name>almadex::TSeams</name>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l’impression</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>almadex::TShellOpen</name>
    <message>
        <source>%1 cannot be opened: this desktop has no program set up to open it.
Open it by hand:
%2</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: aucun programme de ce bureau n’est prévu pour l’ouvrir.
Ouvrez-le vous-même&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>almadex::TZoneDialog</name>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Search by city, region or offset (such as Paris, America or +5:30):</source>
        <translation>Chercher par ville, région ou décalage (par exemple Paris, America ou +5:30)&#xa0;:</translation>
    </message>
    <message>
        <source>Fixed offset (the fields beside the zone)</source>
        <translation>Décalage fixe (les champs à côté du fuseau)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A desktop almanac: calendars, feasts, the Moon and seasons, Muslim prayer times.</source>
        <translation>Un almanach de bureau&#xa0;: calendriers, fêtes, la Lune et les saisons, heures de prière.</translation>
    </message>
    <message>
        <source>Start in the system tray, no window shown.</source>
        <translation>Démarrer dans la zone de notification, sans fenêtre.</translation>
    </message>
    <message>
        <source>Print how long making the windows takes, then end.</source>
        <translation>Afficher le temps de création des fenêtres, puis finir.</translation>
    </message>
    <message>
        <source>Try &apos;almadex --help&apos;.</source>
        <translation>Essayez «&#xa0;almadex --help&#xa0;».</translation>
    </message>
</context>
</TS>

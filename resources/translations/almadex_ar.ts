<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Chinese animal</name>
    <message>
        <source>Rat</source>
        <translation>الفأر</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>الثور</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>النمر</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>الأرنب</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>التنين</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>الأفعى</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>الحصان</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>الماعز</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>القرد</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>الديك</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>الكلب</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>الخنزير</translation>
    </message>
</context>
<context>
    <name>Chinese stem</name>
    <message>
        <source>Jia</source>
        <translation>جيا</translation>
    </message>
    <message>
        <source>Yi</source>
        <translation>يي</translation>
    </message>
    <message>
        <source>Bing</source>
        <translation>بينغ</translation>
    </message>
    <message>
        <source>Ding</source>
        <translation>دينغ</translation>
    </message>
    <message>
        <source>Wu</source>
        <translation>وو</translation>
    </message>
    <message>
        <source>Ji</source>
        <translation>جي</translation>
    </message>
    <message>
        <source>Geng</source>
        <translation>غنغ</translation>
    </message>
    <message>
        <source>Xin</source>
        <translation>شين</translation>
    </message>
    <message>
        <source>Ren</source>
        <translation>رن</translation>
    </message>
    <message>
        <source>Gui</source>
        <translation>غوي</translation>
    </message>
</context>
<context>
    <name>Eclipse</name>
    <message>
        <source>None</source>
        <translation>لا يوجد</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>جزئي</translation>
    </message>
    <message>
        <source>Non Central</source>
        <translation>غير مركزي</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>حلقي</translation>
    </message>
    <message>
        <source>Circular Total</source>
        <translation>حلقي كلي</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>كلي</translation>
    </message>
    <message>
        <source>Half Shadow</source>
        <translation>شبه ظلي</translation>
    </message>
</context>
<context>
    <name>Hebrew month</name>
    <message>
        <source>Nisan</source>
        <translation>نيسان</translation>
    </message>
    <message>
        <source>Iyar</source>
        <translation>أيار</translation>
    </message>
    <message>
        <source>Sivan</source>
        <translation>سيوان</translation>
    </message>
    <message>
        <source>Tammuz</source>
        <translation>تموز</translation>
    </message>
    <message>
        <source>Av</source>
        <translation>آب</translation>
    </message>
    <message>
        <source>Elul</source>
        <translation>أيلول</translation>
    </message>
    <message>
        <source>Tishri</source>
        <translation>تشري</translation>
    </message>
    <message>
        <source>Heshvan</source>
        <translation>حشوان</translation>
    </message>
    <message>
        <source>Kislev</source>
        <translation>كسليو</translation>
    </message>
    <message>
        <source>Tevet</source>
        <translation>طيفت</translation>
    </message>
    <message>
        <source>Shevat</source>
        <translation>شباط</translation>
    </message>
    <message>
        <source>Adar</source>
        <translation>آذار</translation>
    </message>
    <message>
        <source>Adar 2</source>
        <translation>آذار الثاني</translation>
    </message>
</context>
<context>
    <name>Islamic calendar</name>
    <message>
        <source>By the Moon</source>
        <translation>حسب رؤية القمر</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>أم القرى</translation>
    </message>
    <message>
        <source>Civil (tabular)</source>
        <translation>المدني (الجدولي)</translation>
    </message>
</context>
<context>
    <name>Islamic month</name>
    <message>
        <source>Muharram</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>Rabi&apos;a I</source>
        <translation>ربيع الأول</translation>
    </message>
    <message>
        <source>Rabi&apos;a II</source>
        <translation>ربيع الثاني</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>جمادى الأولى</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>جمادى الآخرة</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>Dhu al-Q&apos;adah</source>
        <translation>ذو القعدة</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>ذو الحجة</translation>
    </message>
</context>
<context>
    <name>Prayer</name>
    <message>
        <source>Dawn</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Sun rise</source>
        <translation>شروق الشمس</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>الزوال</translation>
    </message>
    <message>
        <source>Mid day</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Sun set</source>
        <translation>غروب الشمس</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>الإمساك</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>الثلث الأخير من الليل</translation>
    </message>
    <message>
        <source>Jumu&apos;ah</source>
        <translation>الجمعة</translation>
    </message>
</context>
<context>
    <name>Prayer method</name>
    <message>
        <source>Almadex (day-arc fractions)</source>
        <translation>Almadex (كسور القوس النهاري)</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>الجمعية الإسلامية لأمريكا الشمالية</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>الهيئة المصرية العامة للمساحة</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>أم القرى، مكة المكرمة</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>جامعة العلوم الإسلامية، كراتشي</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>معهد الجيوفيزياء، جامعة طهران</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari, Leva Institute, Qum</source>
        <translation>الشيعة الإثنا عشرية، معهد ليفا، قم</translation>
    </message>
    <message>
        <source>Gulf region</source>
        <translation>منطقة الخليج</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>الكويت</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>قطر</translation>
    </message>
    <message>
        <source>Singapore, Malaysia, Indonesia</source>
        <translation>سنغافورة، ماليزيا، إندونيسيا</translation>
    </message>
    <message>
        <source>France (UOIF)</source>
        <translation>فرنسا (اتحاد المنظمات الإسلامية)</translation>
    </message>
    <message>
        <source>Turkey (Diyanet)</source>
        <translation>تركيا (رئاسة الشؤون الدينية)</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>دبي</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>لجنة رؤية الهلال العالمية</translation>
    </message>
    <message>
        <source>Algeria (Ministry of Religious Affairs)</source>
        <translation>الجزائر (وزارة الشؤون الدينية)</translation>
    </message>
    <message>
        <source>Tunisia (Ministry of Religious Affairs)</source>
        <translation>تونس (وزارة الشؤون الدينية)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصّصة</translation>
    </message>
    <message>
        <source>Shafi&apos;i, Maliki, Hanbali (shadow 1)</source>
        <translation>الشافعي والمالكي والحنبلي (الظل مثل)</translation>
    </message>
    <message>
        <source>Hanafi (shadow 2)</source>
        <translation>الحنفي (الظل مثلان)</translation>
    </message>
    <message>
        <source>Recommended for the latitude</source>
        <translation>الموصى بها لخط العرض</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بدون</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>One-seventh of the night</source>
        <translation>سُبع الليل</translation>
    </message>
    <message>
        <source>Twilight angle / 60 of the night</source>
        <translation>زاوية الشفق / 60 من الليل</translation>
    </message>
    <message>
        <source>Nearest day with sunrise and sunset</source>
        <translation>أقرب يوم فيه شروق وغروب</translation>
    </message>
    <message>
        <source>Nearest latitude with sunrise and sunset</source>
        <translation>أقرب خط عرض فيه شروق وغروب</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Qibla: %1° from true north, %2 km to the Kaaba</source>
        <translation>القبلة: %1° من الشمال الجغرافي، %2 كم إلى الكعبة</translation>
    </message>
    <message>
        <source>sunset to dawn</source>
        <translation>من الغروب إلى الفجر</translation>
    </message>
    <message>
        <source>sunset to sunrise</source>
        <translation>من الغروب إلى الشروق</translation>
    </message>
    <message>
        <source>Prayers time for location: </source>
        <translation>مواقيت الصلاة للموقع: </translation>
    </message>
    <message>
        <source>Latitude: </source>
        <translation>خط العرض: </translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوبًا</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمالًا</translation>
    </message>
    <message>
        <source>Longitude: </source>
        <translation>خط الطول: </translation>
    </message>
    <message>
        <source>West</source>
        <translation>غربًا</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرقًا</translation>
    </message>
    <message>
        <source>Local Time: </source>
        <translation>التوقيت المحلي: </translation>
    </message>
    <message>
        <source>UT</source>
        <translation>ت.ع</translation>
    </message>
    <message>
        <source>Method: </source>
        <translation>طريقة الحساب: </translation>
    </message>
    <message>
        <source>Night length: </source>
        <translation>طول الليل: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>التاريخ: </translation>
    </message>
    <message>
        <source>UT offset: </source>
        <translation>الفارق عن ت.ع: </translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
</context>
<context>
    <name>TBetweenForm</name>
    <message>
        <source>In Between dates</source>
        <translation>بين تاريخين</translation>
    </message>
    <message>
        <source>Select dates : </source>
        <translation>اختر التاريخين: </translation>
    </message>
</context>
<context>
    <name>TCalendarForm</name>
    <message>
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;إغلاق</translation>
    </message>
    <message>
        <source>Close the calendar</source>
        <translation>إغلاق التقويم</translation>
    </message>
    <message>
        <source>0000 is not a leap year</source>
        <translation>0000 سنة بسيطة</translation>
    </message>
</context>
<context>
    <name>TInfoForm</name>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Visit the Almadex home page</source>
        <translation>زيارة موقع Almadex</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>TLunarForm</name>
    <message>
        <source>Moon/Seasons...</source>
        <translation>القمر/الفصول…</translation>
    </message>
    <message>
        <source>Time : </source>
        <translation>الوقت: </translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Paste current time</source>
        <translation>&lt;&lt;&lt; لصق الوقت الحالي</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Update astronomical data</source>
        <translation>تحديث البيانات الفلكية</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Moon : </source>
        <translation>القمر: </translation>
    </message>
    <message>
        <source>Moon phase viewer: click to change location</source>
        <translation>طور القمر: انقر لتغيير الموقع</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>الطور</translation>
    </message>
    <message>
        <source>percentage of the moon surface illuminated</source>
        <translation>النسبة المئوية المضاءة من سطح القمر</translation>
    </message>
    <message>
        <source>Moon&apos;s age</source>
        <translation>عمر القمر</translation>
    </message>
    <message>
        <source>in days</source>
        <translation>بالأيام</translation>
    </message>
    <message>
        <source>Lunation n°</source>
        <translation>رقم الدورة القمرية</translation>
    </message>
    <message>
        <source>count of the new moons since January 1st, 1923</source>
        <translation>عدد المحاقات منذ 1 يناير 1923</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>القطر</translation>
    </message>
    <message>
        <source>in angular seconds (1/3600 degrees)</source>
        <translation>بالثواني القوسية (1/3600 من الدرجة)</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>المسافة</translation>
    </message>
    <message>
        <source>in kilometers</source>
        <translation>بالكيلومترات</translation>
    </message>
    <message>
        <source>Next eclipse </source>
        <translation>الخسوف القادم </translation>
    </message>
    <message>
        <source>date and time of the next lunar eclipse</source>
        <translation>تاريخ الخسوف القمري القادم ووقته</translation>
    </message>
    <message>
        <source>Blue moon </source>
        <translation>القمر الأزرق </translation>
    </message>
    <message>
        <source>the second full moon in one month</source>
        <translation>البدر الثاني في شهر واحد</translation>
    </message>
    <message>
        <source>Seasons : </source>
        <translation>الفصول: </translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>الشتاء</translation>
    </message>
    <message>
        <source>Starting dates</source>
        <translation>تواريخ البداية</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>الربيع</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>الصيف</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>الخريف</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source> Gregorian: </source>
        <translation> الميلادي: </translation>
    </message>
    <message>
        <source>Day</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>between 999 and 2399</source>
        <translation>بين 999 و2399</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>Convert this Gregorian date</source>
        <translation>تحويل هذا التاريخ الميلادي</translation>
    </message>
    <message>
        <source> Islamic: </source>
        <translation> الهجري: </translation>
    </message>
    <message>
        <source>between 389 and 1833</source>
        <translation>بين 389 و1833</translation>
    </message>
    <message>
        <source>Month name</source>
        <translation>اسم الشهر</translation>
    </message>
    <message>
        <source>Convert this Islamic date</source>
        <translation>تحويل هذا التاريخ الهجري</translation>
    </message>
    <message>
        <source> Chinese: </source>
        <translation> الصيني: </translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>الدورة</translation>
    </message>
    <message>
        <source>between 1 and 60</source>
        <translation>بين 1 و60</translation>
    </message>
    <message>
        <source>between 61 and 84</source>
        <translation>بين 61 و84</translation>
    </message>
    <message>
        <source>Stem: </source>
        <translation>الجذع: </translation>
    </message>
    <message>
        <source>Zodiac: </source>
        <translation>البرج: </translation>
    </message>
    <message>
        <source>Is a leap month ?</source>
        <translation>شهر كبيس؟</translation>
    </message>
    <message>
        <source>Convert this Chinese date</source>
        <translation>تحويل هذا التاريخ الصيني</translation>
    </message>
    <message>
        <source> Hebrew: </source>
        <translation> العبري: </translation>
    </message>
    <message>
        <source>between 4759 and 6160</source>
        <translation>بين 4759 و6160</translation>
    </message>
    <message>
        <source>Convert this Hebrew date</source>
        <translation>تحويل هذا التاريخ العبري</translation>
    </message>
    <message>
        <source> Julian: </source>
        <translation> اليولياني: </translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>الأيام:</translation>
    </message>
    <message>
        <source>number of day elapsed since January 1st, 4712 b.c.</source>
        <translation>عدد الأيام المنقضية منذ 1 يناير 4712 ق.م.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>&amp;Fill in...</source>
        <translation>&amp;ملء…</translation>
    </message>
    <message>
        <source>&amp;Gregorian calendar</source>
        <translation>التقويم ال&amp;ميلادي</translation>
    </message>
    <message>
        <source>Islamic calendar</source>
        <translation>التقويم الهجري</translation>
    </message>
    <message>
        <source>&amp;Hebrew calendar</source>
        <translation>التقويم ال&amp;عبري</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;أدوات</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <source>&amp;Print calendars...</source>
        <translation>&amp;طباعة التقاويم…</translation>
    </message>
    <message>
        <source>Print calendars...</source>
        <translation>طباعة التقاويم…</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;إعداد الطباعة…</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>إعداد الطباعة…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Exit Almadex</source>
        <translation>الخروج من Almadex</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;قص</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ل&amp;صق</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Cop&amp;y all calendars</source>
        <translation>نسخ &amp;كل التقاويم</translation>
    </message>
    <message>
        <source>Copy all calendars dates</source>
        <translation>نسخ تواريخ كل التقاويم</translation>
    </message>
    <message>
        <source>Current &amp;date</source>
        <translation>تاريخ ال&amp;يوم</translation>
    </message>
    <message>
        <source>Current date</source>
        <translation>تاريخ اليوم</translation>
    </message>
    <message>
        <source>New &amp;Year</source>
        <translation>رأس ال&amp;سنة</translation>
    </message>
    <message>
        <source>Christian New Year</source>
        <translation>رأس السنة الميلادية</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>تواريخ</translation>
    </message>
    <message>
        <source>&amp;Easter date</source>
        <translation>تاريخ عيد ال&amp;فصح</translation>
    </message>
    <message>
        <source>Easter date</source>
        <translation>تاريخ عيد الفصح</translation>
    </message>
    <message>
        <source>Palm Sunday</source>
        <translation>أحد الشعانين</translation>
    </message>
    <message>
        <source>Whitsun</source>
        <translation>عيد العنصرة</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>عيد جميع القديسين</translation>
    </message>
    <message>
        <source>Christ&amp;mas</source>
        <translation>عيد ال&amp;ميلاد</translation>
    </message>
    <message>
        <source>Xmas</source>
        <translation>عيد الميلاد</translation>
    </message>
    <message>
        <source>Muslims&apos; New Year</source>
        <translation>رأس السنة الهجرية</translation>
    </message>
    <message>
        <source>Achoura</source>
        <translation>عاشوراء</translation>
    </message>
    <message>
        <source>Fasting month</source>
        <translation>شهر الصيام</translation>
    </message>
    <message>
        <source>Minor fair</source>
        <translation>عيد الفطر</translation>
    </message>
    <message>
        <source>Major fair</source>
        <translation>عيد الأضحى</translation>
    </message>
    <message>
        <source>El Maoulid</source>
        <translation>المولد النبوي</translation>
    </message>
    <message>
        <source>Ne&amp;w Year</source>
        <translation>رأس ال&amp;سنة</translation>
    </message>
    <message>
        <source>Jewish New Year</source>
        <translation>رأس السنة العبرية</translation>
    </message>
    <message>
        <source>&amp;Pesach date</source>
        <translation>تاريخ عيد الفصح ال&amp;يهودي</translation>
    </message>
    <message>
        <source>Pesach date</source>
        <translation>تاريخ عيد الفصح اليهودي</translation>
    </message>
    <message>
        <source>Cale&amp;ndar...</source>
        <translation>&amp;التقويم…</translation>
    </message>
    <message>
        <source>View the calendar</source>
        <translation>عرض التقويم</translation>
    </message>
    <message>
        <source>Moon/Seasons...</source>
        <translation>القمر/الفصول…</translation>
    </message>
    <message>
        <source>Moon/Seasons info</source>
        <translation>القمر والفصول</translation>
    </message>
    <message>
        <source>View/Hide the calendar</source>
        <translation>عرض/إخفاء التقويم</translation>
    </message>
    <message>
        <source>Muslim Prayer</source>
        <translation>مواقيت الصلاة</translation>
    </message>
    <message>
        <source>In between dates</source>
        <translation>بين تاريخين</translation>
    </message>
    <message>
        <source>Dates Repository</source>
        <translation>التواريخ المحفوظة</translation>
    </message>
    <message>
        <source>Auto Run</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Con&amp;tents...</source>
        <translation>&amp;المحتويات…</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>المحتويات…</translation>
    </message>
    <message>
        <source>Tips...</source>
        <translation>نصائح…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;حول…</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>حول…</translation>
    </message>
    <message>
        <source>Almadex &amp;home page...</source>
        <translation>&amp;موقع Almadex…</translation>
    </message>
    <message>
        <source>Almadex home page...</source>
        <translation>موقع Almadex…</translation>
    </message>
</context>
<context>
    <name>TMonthForm</name>
    <message>
        <source>Prayers Schedule</source>
        <translation>جدول مواقيت الصلاة</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print the current report</source>
        <translation>طباعة هذا التقرير</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>حفظ في ملف</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Close report</source>
        <translation>إغلاق التقرير</translation>
    </message>
</context>
<context>
    <name>TPrayerForm</name>
    <message>
        <source>Muslim Prayer</source>
        <translation>مواقيت الصلاة</translation>
    </message>
    <message>
        <source>I am here: </source>
        <translation>موقعي: </translation>
    </message>
    <message>
        <source>Latitude :</source>
        <translation>خط العرض:</translation>
    </message>
    <message>
        <source>in degrees</source>
        <translation>بالدرجات</translation>
    </message>
    <message>
        <source>in angular minutes</source>
        <translation>بالدقائق القوسية</translation>
    </message>
    <message>
        <source>in angular seconds</source>
        <translation>بالثواني القوسية</translation>
    </message>
    <message>
        <source>N/S hemisphere</source>
        <translation>نصف الكرة ش/ج</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>خط الطول:</translation>
    </message>
    <message>
        <source>W/E of Greenwich</source>
        <translation>غرب/شرق غرينتش</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>Time zone :</source>
        <translation>التوقيت:</translation>
    </message>
    <message>
        <source>Prayers time for :</source>
        <translation>مواقيت الصلاة ليوم:</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>الصلاة</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>&amp;الحساب</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Current date</source>
        <translation>تاريخ اليوم</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Next month...</source>
        <translation>الشهر القادم…</translation>
    </message>
    <message>
        <source>include sun rise</source>
        <translation>إظهار الشروق</translation>
    </message>
    <message>
        <source>Use arabian names</source>
        <translation>الأسماء العربية بحروف لاتينية</translation>
    </message>
    <message>
        <source>Use english names</source>
        <translation>الأسماء الوصفية</translation>
    </message>
    <message>
        <source>Use names in Arabic script</source>
        <translation>الأسماء بالحروف العربية</translation>
    </message>
</context>
<context>
    <name>TRepositoryForm</name>
    <message>
        <source>Dates Repository</source>
        <translation>التواريخ المحفوظة</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>New date : </source>
        <translation>تاريخ جديد: </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
</context>
<context>
    <name>Tfrm_TipOfTheDay</name>
    <message>
        <source>Tip of the Day</source>
        <translation>نصيحة اليوم</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>هل تعلم…</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>&amp;عرض النصائح عند البدء</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>ال&amp;تالي</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;إغلاق</translation>
    </message>
    <message>
        <source>Sorry, the list of tips is empty...</source>
        <translation>عذرًا، قائمة النصائح فارغة…</translation>
    </message>
</context>
<context>
    <name>almadex::TAlertsDialog</name>
    <message>
        <source>Alerts</source>
        <translation>التنبيهات</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>الصلاة</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>التنبيه</translation>
    </message>
    <message>
        <source>Reminder before</source>
        <translation>تذكير قبل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>معطّل</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>إشعار</translation>
    </message>
    <message>
        <source>Notification and sound</source>
        <translation>إشعار وصوت</translation>
    </message>
    <message>
        <source> min</source>
        <translation> د</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بدون</translation>
    </message>
    <message>
        <source>Skipped on %1: %2</source>
        <translation>أُغفل في %1: %2</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>الصوت:</translation>
    </message>
    <message>
        <source>The default chime</source>
        <translation>النغمة الافتراضية</translation>
    </message>
    <message>
        <source>Dawn prayer&apos;s sound:</source>
        <translation>صوت صلاة الفجر:</translation>
    </message>
    <message>
        <source>The same sound</source>
        <translation>الصوت نفسه</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>اختيار…</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Audio files (*.wav *.ogg *.oga *.mp3)</source>
        <translation>ملفات صوتية (*.wav *.ogg *.oga *.mp3)</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>مستوى الصوت:</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Mute today</source>
        <translation>كتم اليوم</translation>
    </message>
</context>
<context>
    <name>almadex::TAppCore</name>
    <message>
        <source>%1 holds values that cannot be read: %2. The prayer window shows its defaults in their place, which are saved when the program ends.</source>
        <translation>يحوي %1 قيمًا تتعذّر قراءتها: %2. تعرض نافذة الصلاة مكانها القيم الافتراضية، وتُحفظ عند انتهاء البرنامج.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
</context>
<context>
    <name>almadex::TAutoRun</name>
    <message>
        <source>The registry value %1 cannot be written.</source>
        <translation>تتعذّر كتابة قيمة السجل %1.</translation>
    </message>
    <message>
        <source>The registry value %1 cannot be removed.</source>
        <translation>تتعذّر إزالة قيمة السجل %1.</translation>
    </message>
</context>
<context>
    <name>almadex::TBetweenForm</name>
    <message>
        <source>Please, select two dates...</source>
        <translation>اختر تاريخين…</translation>
    </message>
    <message>
        <source>%1 Day(s)</source>
        <translation>%1 يوم</translation>
    </message>
</context>
<context>
    <name>almadex::TCalendarForm</name>
    <message>
        <source>%1 is a leap year</source>
        <translation>%1 سنة كبيسة</translation>
    </message>
    <message>
        <source>%1 is not a leap year</source>
        <translation>%1 سنة بسيطة</translation>
    </message>
</context>
<context>
    <name>almadex::TCompanion</name>
    <message>
        <source>%1 min</source>
        <translation>%1 د</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 س %2 د</translation>
    </message>
    <message>
        <source>The prayer times cannot be planned</source>
        <translation>تتعذّر جدولة مواقيت الصلاة</translation>
    </message>
    <message>
        <source>N</source>
        <translation>ش</translation>
    </message>
    <message>
        <source>S</source>
        <translation>ج</translation>
    </message>
    <message>
        <source>W</source>
        <translation>غ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>ق</translation>
    </message>
    <message>
        <source>%1 %2 - %3</source>
        <translation>%1 %2 - %3</translation>
    </message>
    <message>
        <source>%1 %2 - in %3</source>
        <translation>%1 %2 - بعد %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The sound file %1 cannot be read: the chime plays instead.</source>
        <translation>تتعذّر قراءة الملف الصوتي %1: تُشغَّل النغمة بدلًا منه.</translation>
    </message>
    <message>
        <source>To change the alerts: Alerts... in the tray&apos;s menu or in the prayer window.</source>
        <translation>لتغيير التنبيهات: التنبيهات… في قائمة منطقة الإشعارات أو في نافذة الصلاة.</translation>
    </message>
    <message>
        <source>No prayer time in the next days</source>
        <translation>لا مواقيت صلاة في الأيام القادمة</translation>
    </message>
    <message>
        <source>Open Almadex</source>
        <translation>فتح Almadex</translation>
    </message>
    <message>
        <source>Mute today</source>
        <translation>كتم اليوم</translation>
    </message>
    <message>
        <source>Alerts...</source>
        <translation>التنبيهات…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Almadex keeps running in the tray to alert at the prayer times. Quit in its menu ends it; Options &gt; Keep running in the tray changes this.</source>
        <translation>يبقى Almadex عاملًا في منطقة الإشعارات لينبّه عند مواقيت الصلاة. «إنهاء» في قائمته يوقفه؛ و«خيارات &gt; البقاء في منطقة الإشعارات» يغيّر ذلك.</translation>
    </message>
</context>
<context>
    <name>almadex::TDataFiles</name>
    <message>
        <source>%1 could not be read (%2); it will be left as it is.</source>
        <translation>تعذّرت قراءة %1 (%2)؛ سيُترك كما هو.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. What could be read of it was read.</source>
        <translation>%1 تالف: %2. قُرئ منه ما أمكنت قراءته.</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>تعذّر حفظ %1:
%2</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>يتعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>cannot set the permissions of the file</source>
        <translation>يتعذّر ضبط صلاحيات الملف</translation>
    </message>
    <message>
        <source>cannot flush the file to disk</source>
        <translation>تتعذّر كتابة الملف على القرص</translation>
    </message>
</context>
<context>
    <name>almadex::TExtraTimesMenu</name>
    <message>
        <source>&amp;Imsak</source>
        <translation>&amp;الإمساك</translation>
    </message>
    <message>
        <source>Imsak &amp;before dawn</source>
        <translation>الإمساك &amp;قبل الفجر</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Midnight</source>
        <translation>&amp;منتصف الليل</translation>
    </message>
    <message>
        <source>&amp;Last third of the night</source>
        <translation>ال&amp;ثلث الأخير من الليل</translation>
    </message>
    <message>
        <source>&amp;Night of midnight</source>
        <translation>&amp;الليل الذي يُنصَّف</translation>
    </message>
    <message>
        <source>Sunset to &amp;dawn</source>
        <translation>من الغروب إلى &amp;الفجر</translation>
    </message>
    <message>
        <source>Sunset to &amp;sunrise</source>
        <translation>من الغروب إلى ال&amp;شروق</translation>
    </message>
    <message>
        <source>&amp;Sunset in its own row</source>
        <translation>ال&amp;غروب في سطر مستقل</translation>
    </message>
    <message>
        <source>&amp;Jumu&apos;ah on Fridays</source>
        <translation>صلاة &amp;الجمعة يوم الجمعة</translation>
    </message>
</context>
<context>
    <name>almadex::TGuard</name>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
</context>
<context>
    <name>almadex::TInfoForm</name>
    <message>
        <source>The link</source>
        <translation>الرابط</translation>
    </message>
    <message>
        <source>%1 version %2
A desktop almanac</source>
        <translation>%1 الإصدار %2
تقويم مكتبي</translation>
    </message>
    <message>
        <source>The user&apos;s guide</source>
        <translation>دليل المستخدم</translation>
    </message>
    <message>
        <source>The help file cannot be found: %1</source>
        <translation>ملف المساعدة غير موجود: %1</translation>
    </message>
    <message>
        <source>Open the user&apos;s guide</source>
        <translation>فتح دليل المستخدم</translation>
    </message>
    <message>
        <source>Places by name: the cities of &lt;a href=&quot;https://www.geonames.org/&quot;&gt;GeoNames&lt;/a&gt; (© GeoNames), licensed under the &lt;a href=&quot;https://creativecommons.org/licenses/by/4.0/&quot;&gt;Creative Commons Attribution 4.0&lt;/a&gt; licence.</source>
        <translation>الأماكن بأسمائها: مدن &lt;a href=&quot;https://www.geonames.org/&quot;&gt;GeoNames&lt;/a&gt; (© GeoNames)، بترخيص &lt;a href=&quot;https://creativecommons.org/licenses/by/4.0/&quot;&gt;المشاع الإبداعي، النسبة 4.0&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>الشكر</translation>
    </message>
</context>
<context>
    <name>almadex::TIntroForm</name>
    <message>
        <source>%1 version %2
A desktop almanac: calendars and feasts, the Moon and the seasons, prayer times.</source>
        <translation>%1 الإصدار %2
تقويم مكتبي: التقاويم والأعياد، القمر والفصول، مواقيت الصلاة.</translation>
    </message>
</context>
<context>
    <name>almadex::TLanguage</name>
    <message>
        <source>System</source>
        <translation>لغة النظام</translation>
    </message>
</context>
<context>
    <name>almadex::TLunarForm</name>
    <message>
        <source>Wrong date !</source>
        <translation>تاريخ خاطئ!</translation>
    </message>
    <message>
        <source>Please, note that %1 is an invalid date.</source>
        <translation>تنبيه: %1 تاريخ غير صالح.</translation>
    </message>
    <message>
        <source>Moon as seen on the northern hemisphere</source>
        <translation>القمر كما يُرى من نصف الكرة الشمالي</translation>
    </message>
    <message>
        <source>Moon as seen near the equator</source>
        <translation>القمر كما يُرى قرب خط الاستواء</translation>
    </message>
    <message>
        <source>Moon as seen on the southern hemisphere</source>
        <translation>القمر كما يُرى من نصف الكرة الجنوبي</translation>
    </message>
    <message>
        <source>%1″</source>
        <comment>angular seconds</comment>
        <translation>%1″</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 كم</translation>
    </message>
</context>
<context>
    <name>almadex::TMainForm</name>
    <message>
        <source>Umm al-Qura off its table</source>
        <translation>أم القرى خارج جدولها</translation>
    </message>
    <message>
        <source>civil</source>
        <translation>المدني</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>None</source>
        <translation>بدون</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 يوم</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 أيام</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>نصيحة اليوم</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;إغلاق</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>هل تعلم…</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>ال&amp;تالي</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>&amp;عرض النصائح عند البدء</translation>
    </message>
    <message>
        <source>&amp;Islamic calendar</source>
        <translation>التقويم ال&amp;هجري</translation>
    </message>
    <message>
        <source>Islamic date &amp;adjustment</source>
        <translation>&amp;تعديل التاريخ الهجري</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>Arabic-Indic &amp;digits (٠١٢٣)</source>
        <translation>ال&amp;أرقام الهندية (٠١٢٣)</translation>
    </message>
    <message>
        <source>Wrong date !</source>
        <translation>تاريخ خاطئ!</translation>
    </message>
    <message>
        <source>Please, check this out.</source>
        <translation>يرجى التحقق من ذلك.</translation>
    </message>
    <message>
        <source> Islamic%1: </source>
        <translation> الهجري%1: </translation>
    </message>
    <message>
        <source>ICU tabulates Umm al-Qura for %1 to %2 AH; %3 AH is computed by its own arithmetic, the civil calendar.</source>
        <translation>تجدول مكتبة ICU تقويم أم القرى من %1 إلى %2 هـ؛ وتُحسب سنة %3 هـ بحسابها الخاص، أي التقويم المدني.</translation>
    </message>
    <message>
        <source>Please, note that Gregorian date is invalid.</source>
        <translation>تنبيه: هذا التاريخ الميلادي غير صالح.</translation>
    </message>
    <message>
        <source>Please, note this Hebrew date is invalid.</source>
        <translation>تنبيه: هذا التاريخ العبري غير صالح.</translation>
    </message>
    <message>
        <source>Please, note this Chinese date is invalid.</source>
        <translation>تنبيه: هذا التاريخ الصيني غير صالح.</translation>
    </message>
    <message>
        <source>Please, note this Islamic date is invalid.</source>
        <translation>تنبيه: هذا التاريخ الهجري غير صالح.</translation>
    </message>
    <message>
        <source>The user&apos;s guide</source>
        <translation>دليل المستخدم</translation>
    </message>
    <message>
        <source>The help file cannot be found: %1</source>
        <translation>ملف المساعدة غير موجود: %1</translation>
    </message>
    <message>
        <source>Almadex cannot be set to start when you log on.</source>
        <translation>تعذّر ضبط Almadex ليبدأ عند تسجيل الدخول.</translation>
    </message>
    <message>
        <source>Almadex cannot be kept from starting when you log on.</source>
        <translation>تعذّر منع Almadex من البدء عند تسجيل الدخول.</translation>
    </message>
    <message>
        <source>Auto Run</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Gregorian: Day:%1 Month:%2 Year:%3</source>
        <translation>الميلادي: اليوم: %1 الشهر: %2 السنة: %3</translation>
    </message>
    <message>
        <source>Islamic: Day:%1 Month: %2 Year:%3</source>
        <translation>الهجري: اليوم: %1 الشهر: %2 السنة: %3</translation>
    </message>
    <message>
        <source>Chinese: Day:%1 Month:%2 Year:%3</source>
        <translation>الصيني: اليوم: %1 الشهر: %2 السنة: %3</translation>
    </message>
    <message>
        <source>   Cycle:%1 Stem: %2 Zodiac: %3</source>
        <translation>   الدورة: %1 الجذع: %2 البرج: %3</translation>
    </message>
    <message>
        <source>Hebrew: Day:%1 Month: %2 Year:%3</source>
        <translation>العبري: اليوم: %1 الشهر: %2 السنة: %3</translation>
    </message>
    <message>
        <source>Julian: %1 days.</source>
        <translation>اليولياني: %1 يوم.</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>الوقت: %1</translation>
    </message>
    <message>
        <source>Printer&apos;s trouble?</source>
        <translation>مشكلة في الطابعة؟</translation>
    </message>
    <message>
        <source>Printing cannot proceed, please check the printer out !</source>
        <translation>تتعذّر الطباعة، يرجى التحقق من الطابعة!</translation>
    </message>
    <message>
        <source>Keep running in the &amp;tray</source>
        <translation>البقاء في منطقة الإ&amp;شعارات</translation>
    </message>
</context>
<context>
    <name>almadex::TMonthForm</name>
    <message>
        <source>Rich text (*.rtf)</source>
        <translation>نص منسق (*.rtf)</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The schedule could not be printed.</source>
        <translation>تعذّرت طباعة الجدول.</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>تعذّر حفظ %1:
%2</translation>
    </message>
</context>
<context>
    <name>almadex::TNotifier</name>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
</context>
<context>
    <name>almadex::TPlaceFinder</name>
    <message>
        <source>&amp;Find a city:</source>
        <translation>&amp;ابحث عن مدينة:</translation>
    </message>
    <message>
        <source>Oran, Alger, وهران...</source>
        <translation>وهران، الجزائر، Oran…</translation>
    </message>
    <message>
        <source>A city&apos;s name, in any case, with or without its accents; its French or Arabic name</source>
        <translation>اسم مدينة، بأي حالة أحرف، بعلامات أو بدونها؛ أو اسمها الفرنسي أو العربي</translation>
    </message>
    <message>
        <source>Cities cannot be found by name: their data cannot be loaded</source>
        <translation>يتعذّر البحث عن المدن بأسمائها: تتعذّر قراءة بياناتها</translation>
    </message>
    <message>
        <source>No city&apos;s name begins so</source>
        <translation>لا اسم مدينة يبدأ هكذا</translation>
    </message>
</context>
<context>
    <name>almadex::TPrayerForm</name>
    <message>
        <source>&amp;Method</source>
        <translation>&amp;طريقة الحساب</translation>
    </message>
    <message>
        <source>&amp;Asr</source>
        <translation>&amp;العصر</translation>
    </message>
    <message>
        <source>&amp;High latitudes</source>
        <translation>ال&amp;عروض العليا</translation>
    </message>
    <message>
        <source>Days without sunrise or sunset</source>
        <translation>أيام بلا شروق أو غروب</translation>
    </message>
    <message>
        <source>Round to the minute</source>
        <translation>التقريب إلى الدقيقة</translation>
    </message>
    <message>
        <source>Adjustments...</source>
        <translation>تعديلات…</translation>
    </message>
    <message>
        <source>Zone...</source>
        <translation>المنطقة…</translation>
    </message>
    <message>
        <source>Time zone with daylight saving time</source>
        <translation>منطقة زمنية بالتوقيت الصيفي</translation>
    </message>
    <message>
        <source>%1: UT%2 on this day</source>
        <translation>%1: ت.ع%2 في هذا اليوم</translation>
    </message>
    <message>
        <source>Qibla %1°</source>
        <translation>القبلة %1°</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km to the Kaaba</source>
        <translation>القبلة: %1° من الشمال الجغرافي، %2 كم إلى الكعبة</translation>
    </message>
    <message>
        <source>not a day in %1: its clocks skipped it</source>
        <translation>ليس يومًا في %1: قفزت ساعاته عنه</translation>
    </message>
    <message>
        <source>Today&apos;s prayer times cannot be computed for the place saved in the prayer window (%1, %2): %3</source>
        <translation>يتعذّر حساب مواقيت صلاة اليوم للموقع المحفوظ في نافذة الصلاة (%1، %2): %3</translation>
    </message>
    <message>
        <source>&amp;Alerts...</source>
        <translation>&amp;التنبيهات…</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the window&apos;s title, the place&apos;s name</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The Muslim World League&apos;s, for a country without a known practice</source>
        <translation>طريقة رابطة العالم الإسلامي، لبلد لا يُعرف له عمل</translation>
    </message>
    <message>
        <source>Usual in %1: %2</source>
        <translation>المعمول بها في %1: %2</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>استعمالها</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>الإبقاء على طريقتي</translation>
    </message>
    <message>
        <source>Where are you? Type your latitude and longitude, or click the map.</source>
        <translation>أين أنت؟ اكتب خط عرضك وخط طولك، أو انقر الخريطة.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Where are you? Type your city above, or choose:</source>
        <translation>أين أنت؟ اكتب مدينتك أعلاه، أو اختر:</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>لاحقًا</translation>
    </message>
    <message>
        <source>Where are you? Type the name of your city above.</source>
        <translation>أين أنت؟ اكتب اسم مدينتك أعلاه.</translation>
    </message>
    <message>
        <source>Kaaba</source>
        <translation>الكعبة</translation>
    </message>
    <message>
        <source>This place is the Kaaba</source>
        <translation>هذا المكان هو الكعبة</translation>
    </message>
    <message>
        <source>(rules for such days: %1)</source>
        <translation>(قواعد مثل هذه الأيام: %1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>next day</source>
        <translation>اليوم التالي</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>almadex::TPrayerMethodDialog</name>
    <message>
        <source>Fajr:</source>
        <translation>الفجر:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>الشروق:</translation>
    </message>
    <message>
        <source>Dhuhr:</source>
        <translation>الظهر:</translation>
    </message>
    <message>
        <source>Asr:</source>
        <translation>العصر:</translation>
    </message>
    <message>
        <source>Maghrib:</source>
        <translation>المغرب:</translation>
    </message>
    <message>
        <source>Isha:</source>
        <translation>العشاء:</translation>
    </message>
    <message>
        <source>Prayer adjustments</source>
        <translation>تعديلات الصلوات</translation>
    </message>
    <message>
        <source>Minutes added to each time</source>
        <translation>دقائق تضاف إلى كل وقت</translation>
    </message>
    <message>
        <source> min</source>
        <translation> د</translation>
    </message>
    <message>
        <source>Dhuhr after the transit:</source>
        <translation>الظهر بعد الزوال:</translation>
    </message>
    <message>
        <source>Custom method</source>
        <translation>طريقة مخصّصة</translation>
    </message>
    <message>
        <source>Fajr angle:</source>
        <translation>زاوية الفجر:</translation>
    </message>
    <message>
        <source>Isha angle:</source>
        <translation>زاوية العشاء:</translation>
    </message>
    <message>
        <source>Isha after Maghrib (0: by the angle):</source>
        <translation>العشاء بعد المغرب (0: حسب الزاوية):</translation>
    </message>
    <message>
        <source>Maghrib angle (0: sunset):</source>
        <translation>زاوية المغرب (0: الغروب):</translation>
    </message>
    <message>
        <source>Added to the time the method gives, whatever the method.</source>
        <translation>تُضاف إلى الوقت الذي تعطيه الطريقة، أيًّا كانت.</translation>
    </message>
    <message>
        <source>Dhuhr&apos;s rule</source>
        <translation>قاعدة الظهر</translation>
    </message>
    <message>
        <source>Dhuhr falls this long after the Sun&apos;s transit, before the minutes added above</source>
        <translation>يقع الظهر بعد زوال الشمس بهذه المدة، قبل الدقائق المضافة أعلاه</translation>
    </message>
    <message>
        <source>Used when the method chosen is Custom.</source>
        <translation>يُستعمل حين تكون الطريقة المختارة مخصّصة.</translation>
    </message>
    <message>
        <source>A Fajr angle of %1° puts dawn after sunrise: give more than 0.8°.</source>
        <translation>زاوية فجر قدرها %1° تجعل الفجر بعد الشروق: أدخل أكثر من 0,8°.</translation>
    </message>
    <message>
        <source>An Isha angle of %1° puts the night before sunset: give more than 0.8°, or minutes after Maghrib.</source>
        <translation>زاوية عشاء قدرها %1° تجعل الليل قبل الغروب: أدخل أكثر من 0,8°، أو دقائق بعد المغرب.</translation>
    </message>
    <message>
        <source>The angles and interval of the Custom method.</source>
        <translation>زوايا الطريقة المخصّصة وفترتها.</translation>
    </message>
    <message>
        <source>Used when the method chosen is Custom (Method menu).</source>
        <translation>تُستعمل حين تكون الطريقة المختارة مخصّصة (قائمة طريقة الحساب).</translation>
    </message>
</context>
<context>
    <name>almadex::TRepositoryForm</name>
    <message>
        <source>Remove</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Undo remove</source>
        <translation>التراجع عن الحذف</translation>
    </message>
    <message>
        <source>another program changed it since Almadex read it; it was left as it is</source>
        <translation>غيّره برنامج آخر منذ قرأه Almadex؛ فتُرك كما هو</translation>
    </message>
    <message>
        <source>Please, type a description for this date.</source>
        <translation>يرجى كتابة وصف لهذا التاريخ.</translation>
    </message>
    <message>
        <source>the file could not be read again (%1)</source>
        <translation>تعذّرت إعادة قراءة الملف (%1)</translation>
    </message>
</context>
<context>
    <name>almadex::TSeams</name>
    <message>
        <source>Print Setup</source>
        <translation>إعداد الطباعة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>almadex::TShellOpen</name>
    <message>
        <source>%1 cannot be opened: this desktop has no program set up to open it.
Open it by hand:
%2</source>
        <translation>تعذّر فتح %1: لا يوجد في سطح المكتب هذا برنامج مهيأ لفتحه.
افتحه بنفسك:
%2</translation>
    </message>
</context>
<context>
    <name>almadex::TZoneDialog</name>
    <message>
        <source>Time zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Search by city, region or offset (such as Paris, America or +5:30):</source>
        <translation>ابحث بالمدينة أو المنطقة أو الفارق (مثل Paris أو America أو ‎+5:30):</translation>
    </message>
    <message>
        <source>Fixed offset (the fields beside the zone)</source>
        <translation>فارق ثابت (الحقول المجاورة للمنطقة)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A desktop almanac: calendars, feasts, the Moon and seasons, Muslim prayer times.</source>
        <translation>تقويم مكتبي: التقاويم والأعياد والقمر والفصول ومواقيت الصلاة.</translation>
    </message>
    <message>
        <source>Start in the system tray, no window shown.</source>
        <translation>البدء في منطقة الإشعارات دون عرض أي نافذة.</translation>
    </message>
    <message>
        <source>Print how long making the windows takes, then end.</source>
        <translation>طباعة المدة التي يستغرقها إنشاء النوافذ، ثم الانتهاء.</translation>
    </message>
    <message>
        <source>Try &apos;almadex --help&apos;.</source>
        <translation>جرّب «almadex --help».</translation>
    </message>
</context>
</TS>

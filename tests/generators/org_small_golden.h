
 //full auto-gen

namespace org2
{
const WORD
zapa0 = 0,	// запасна€ €чейка

GamePause = 7, // Pause \"of the game\"
Speed = 9, 
q = 12, // name missing

Case = 2,
Last = 62;//norm ych klv:3
}


namespace orgF
{
const WORD
zapa0 = 0,

Quarter = 7, // fog
Tenth = 3, 
Nine = 4, 
Flat = 5, 

Case = 3,
Last = 57;//norm ych klv:4
}

int org2n[ org2::Last + 1 ];

float orgFn[ orgF::Last + 1 ];

namespace o2
{
int& GamePause = org2n[org2::GamePause];
int& Speed = org2n[org2::Speed];
int& q = org2n[org2::q];
}

namespace o3
{
float& Quarter = orgFn[orgF::Quarter];
float& Tenth = orgFn[orgF::Tenth];
float& Nine = orgFn[orgF::Nine];
float& Flat = orgFn[orgF::Flat];
}



int org2_out(int n)
{
	if(n < 1 || n > org2::Last) return 1;
return 0;
}


int orgF_out(int n)
{
	if(n < 1 || n > orgF::Last) return 1;
return 0;
}


void org2_ReadOnly(int n, int& readOnly)
{
	if(n < 1 || n > org2::Last) return;
switch(n)
{
case org2::zapa0:
case org2::GamePause:
	readOnly = 1; return;
default: break;
}//sw
readOnly = 0;
}


void orgF_ReadOnly(int n, int& readOnly)
{
	if(n < 1 || n > orgF::Last) return;
switch(n)
{
case orgF::zapa0:
	readOnly = 1; return;
default: break;
}//sw
readOnly = 0;
}



#define tv(s, x, y) case org2::s: a =(x); b =(y); return 1;

int org2_TramVals(int n, int& a, int& b)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: break;
tv(GamePause, 0, 10)
tv(q, -5, 5)
default: break;
 }//sw
return 0;
}
#undef tv


#define tf(s, x, y) case orgF::s: a =(x); b =(y); return 1;

int orgF_TramVals(int n, float& a, float& b)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: break;
tf(Quarter, 0.250f, 2.000f)
tf(Tenth, 0.000100f, 1.000000f)
tf(Nine, 0.009000f, 0.500000f)
default: break;
 }//sw
return 0;
}
#undef tf



#define pn(x, a, b, c, d)  case x: blok = a; tip = b; etap = c; visp = d; return 1;

int  org2_AnFlags(int n, int& blok, int& tip, int& etap, int& visp)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pn(7,  2, 1, 3, 1)
pn(9,  2, 1, 0, 2)
pn(12,  2, 1, 1, 3)
default: break;
 }//sw
return 0;
}



int  orgF_AnFlags(int n, int& blok, int& tip, int& etap, int& visp)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
pn(7,  2, 2, 1, 1)
pn(3,  2, 2, 0, 2)
pn(4,  2, 2, 0, 3)
pn(5,  2, 2, 0, 0)
default: break;
 }//sw
return 0;
}
#undef pn




#define pn(x, s)  case x: return s;

char*  org2_Koment1(int n)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pn(7, "// Pause \"of the game\"")
pn(12, "// name missing")
default: break;
 }//sw
return 0;
}



char*  orgF_Koment1(int n)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
pn(7, "// fog")
default: break;
 }//sw
return 0;
}





char*  org2_Koment2(int n)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pn(7, "//  second comment")
pn(9, "//   note")
default: break;
 }//sw
return 0;
}



char*  orgF_Koment2(int n)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
pn(7, "//   colour")
default: break;
 }//sw
return 0;
}





char*  org2_NameVar(int n)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pn(7, "GamePause")
pn(9, "Speed")
pn(12, "q")
default: break;
 }//sw
return 0;
}



char*  orgF_NameVar(int n)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
pn(7, "Quarter")
pn(3, "Tenth")
pn(4, "Nine")
pn(5, "Flat")
default: break;
 }//sw
return 0;
}





char*  org2_NameClr(int n)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pn(7, "rrqrrqrrq")
default: break;
 }//sw
return 0;
}



char*  orgF_NameClr(int n)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
default: break;
 }//sw
return 0;
}
#undef pn




#define pa(x, a)  case x: return a;

int org2_Adv(int n)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pa(9, 3)
pa(12, 1)
default: break;
 }//sw
return 0;
}

#undef pa

#define pa(x, a)  case x: val = a; return 1;

int orgF_Adv(int n, float& val)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
pa(7, 0.500000f)
pa(3, 0.050000f)
pa(4, 1.000000f)
default: break;
 }//sw
return 0;
}
#undef pa




void org2_PartEtap_SaveTo( FILE* ff)
{
 if(! ff) return;
IntWrite( o2::GamePause, ff);
IntWrite( o2::q, ff);
}


int org2_PartEtap_LoadFr( FILE* ff)
{
 if(! ff) return 0;
 int t =0;
IntRead( o2::GamePause, ff);  t += 1;
IntRead( o2::q, ff);  t += 1;
if(t != 2) return 0;
return 1;
}



void orgF_PartEtap_SaveTo( FILE* ff)
{
 if(! ff) return;
FloWrite( o3::Quarter, ff);
}


int orgF_PartEtap_LoadFr( FILE* ff)
{
 if(! ff) return 0;
 int t =0;
FloRead( o3::Quarter, ff);  t += 1;
if(t != 1) return 0;
return 1;
}



void org2_Init()
{
	memset(  &(org2n[0]), 0, (sizeof(int) * (org2::Last+1))	);

}

void orgF_Init()
{
	memset(  &(orgFn[0]), 0, (sizeof(float) * (orgF::Last+1))	);

}

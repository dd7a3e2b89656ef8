
 //full auto-gen

namespace org2
{
const WORD
zapa0 = 0,	// запасна€ €чейка


Case = 2,
Last = 50;//norm ych klv:0
}


namespace orgF
{
const WORD
zapa0 = 0,


Case = 3,
Last = 50;//norm ych klv:0
}

int org2n[ org2::Last + 1 ];

float orgFn[ orgF::Last + 1 ];

namespace o2
{
}

namespace o3
{
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
default: break;
 }//sw
return 0;
}
#undef pa




void org2_PartEtap_SaveTo( FILE* ff)
{
 if(! ff) return;
}


int org2_PartEtap_LoadFr( FILE* ff)
{
 if(! ff) return 0;
 int t =0;
if(t != 0) return 0;
return 1;
}



void orgF_PartEtap_SaveTo( FILE* ff)
{
 if(! ff) return;
}


int orgF_PartEtap_LoadFr( FILE* ff)
{
 if(! ff) return 0;
 int t =0;
if(t != 0) return 0;
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
